<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CBackupsDlg</name>
    <message>
      <source>Backups</source>
      <translation>Backups</translation>
    </message>
    <message>
      <source>Kept in %1</source>
      <translation>Kept in %1</translation>
    </message>
    <message>
      <source>&amp;Radio type:</source>
      <translation>&amp;Radio type:</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>Date and time</translation>
    </message>
    <message>
      <source>Radio type</source>
      <translation>Radio type</translation>
    </message>
    <message>
      <source>Identification</source>
      <translation>Identification</translation>
    </message>
    <message>
      <source>Size (bytes)</source>
      <translation>Size (bytes)</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Open</translation>
    </message>
    <message>
      <source>&amp;Compare with the Active Document</source>
      <translation>&amp;Compare with the Active Document</translation>
    </message>
    <message>
      <source>&amp;Write to the Radio</source>
      <translation>&amp;Write to the Radio</translation>
    </message>
    <message>
      <source>Show in &amp;Folder</source>
      <translation>Show in &amp;Folder</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Delete</translation>
    </message>
    <message>
      <source>All radio types</source>
      <translation>All radio types</translation>
    </message>
    <message>
      <source>Delete the backup %1?
It cannot be brought back.</source>
      <translation>Delete the backup %1?
It cannot be brought back.</translation>
    </message>
    <message>
      <source>The backup could not be deleted:
%1</source>
      <translation>The backup could not be deleted:
%1</translation>
    </message>
    <message>
      <source>The folder %1 cannot be shown.</source>
      <translation>The folder %1 cannot be shown.</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Co&amp;mpare with Radio</source>
      <translation>Co&amp;mpare with Radio</translation>
    </message>
    <message>
      <source>Read the radio and list what differs from the active document</source>
      <translation>Read the radio and list what differs from the active document</translation>
    </message>
    <message>
      <source>&amp;Backups...</source>
      <translation>&amp;Backups...</translation>
    </message>
    <message>
      <source>The radio&apos;s contents kept before each write</source>
      <translation>The radio&apos;s contents kept before each write</translation>
    </message>
    <message>
      <source>Compare with Radio</source>
      <translation>Compare with Radio</translation>
    </message>
    <message>
      <source>the radio</source>
      <translation>the radio</translation>
    </message>
    <message>
      <source>%1 (backup)</source>
      <translation>%1 (backup)</translation>
    </message>
  </context>
</TS>
