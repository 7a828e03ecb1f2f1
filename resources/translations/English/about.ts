<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CAboutDlg</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
</TS>
