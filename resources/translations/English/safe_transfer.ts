<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CProcessDlg</name>
    <message>
      <source>Back up the radio first</source>
      <translation>Back up the radio first</translation>
    </message>
    <message>
      <source>Read the radio into a backup file before writing it, so that it can be put back</source>
      <translation>Read the radio into a backup file before writing it, so that it can be put back</translation>
    </message>
    <message>
      <source>Verify after writing</source>
      <translation>Verify after writing</translation>
    </message>
    <message>
      <source>Read the radio back after writing and compare it with what was written</source>
      <translation>Read the radio back after writing and compare it with what was written</translation>
    </message>
  </context>
  <context>
    <name>selkan::SafeTransfer</name>
    <message>
      <source>reading the radio into a backup</source>
      <translation>reading the radio into a backup</translation>
    </message>
    <message>
      <source>writing the radio</source>
      <translation>writing the radio</translation>
    </message>
    <message>
      <source>writing the backup back into the radio</source>
      <translation>writing the backup back into the radio</translation>
    </message>
    <message>
      <source>reading the radio back to verify it</source>
      <translation>reading the radio back to verify it</translation>
    </message>
    <message>
      <source>Step %1 of %2: %3</source>
      <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
      <source>The write broke off after %1 of %2 blocks: the radio is only partly programmed.</source>
      <translation>The write broke off after %1 of %2 blocks: the radio is only partly programmed.</translation>
    </message>
    <message>
      <source>Its contents from before the write are kept in %1.</source>
      <translation>Its contents from before the write are kept in %1.</translation>
    </message>
    <message>
      <source>Retry the write</source>
      <translation>Retry the write</translation>
    </message>
    <message>
      <source>Restore the backup</source>
      <translation>Restore the backup</translation>
    </message>
    <message>
      <source>and %1 more</source>
      <translation>and %1 more</translation>
    </message>
    <message>
      <source>The radio does not hold what was written. These differ (written -&gt; in the radio):</source>
      <translation>The radio does not hold what was written. These differ (written -&gt; in the radio):</translation>
    </message>
    <message>
      <source>The radio does not hold the backup written back into it. These differ (written -&gt; in the radio):</source>
      <translation>The radio does not hold the backup written back into it. These differ (written -&gt; in the radio):</translation>
    </message>
    <message>
      <source>The radio&apos;s contents could not be kept as a backup:
%1
Nothing was written to the radio.</source>
      <translation>The radio&apos;s contents could not be kept as a backup:
%1
Nothing was written to the radio.</translation>
    </message>
    <message>
      <source>The radio could not be read for its backup: nothing was written.</source>
      <translation>The radio could not be read for its backup: nothing was written.</translation>
    </message>
    <message>
      <source>The radio was written, but reading it back to verify it failed.</source>
      <translation>The radio was written, but reading it back to verify it failed.</translation>
    </message>
    <message>
      <source>The backup was written back into the radio.</source>
      <translation>The backup was written back into the radio.</translation>
    </message>
    <message>
      <source>The radio was written and verified.</source>
      <translation>The radio was written and verified.</translation>
    </message>
    <message>
      <source>The radio was written.</source>
      <translation>The radio was written.</translation>
    </message>
    <message>
      <source>Backup: %1</source>
      <translation>Backup: %1</translation>
    </message>
    <message>
      <source>Write again</source>
      <translation>Write again</translation>
    </message>
    <message>
      <source>Keep</source>
      <translation>Keep</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Co&amp;mpare With...</source>
      <translation>Co&amp;mpare With...</translation>
    </message>
    <message>
      <source>List what differs between the active document and a file</source>
      <translation>List what differs between the active document and a file</translation>
    </message>
    <message>
      <source>Compare With</source>
      <translation>Compare With</translation>
    </message>
    <message>
      <source>%1 and %2 hold the same data.</source>
      <translation>%1 and %2 hold the same data.</translation>
    </message>
    <message>
      <source>What differs between %1 and %2, one line each (%1 -&gt; %2):</source>
      <translation>What differs between %1 and %2, one line each (%1 -&gt; %2):</translation>
    </message>
  </context>
  <context>
    <name>CCompareDlg</name>
    <message>
      <source>Compare With</source>
      <translation>Compare With</translation>
    </message>
  </context>
</TS>
