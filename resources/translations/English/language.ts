<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CLanguageDlg</name>
    <message>
      <source>Language</source>
      <translation>Language</translation>
    </message>
    <message>
      <source>English</source>
      <translation>English</translation>
    </message>
    <message>
      <source>Chinese</source>
      <translation>Chinese</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>The language could not be stored, so the program does not restart.
%1</source>
      <translation>The language could not be stored, so the program does not restart.
%1</translation>
    </message>
    <message>
      <source>The program %1 could not be started. The new language takes effect when the program is started again.</source>
      <translation>The program %1 could not be started. The new language takes effect when the program is started again.</translation>
    </message>
    <message>
      <source>The language is stored; the maker's settings file is not: %1</source>
      <translation>The language is stored; the maker's settings file is not: %1</translation>
    </message>
  </context>
</TS>
