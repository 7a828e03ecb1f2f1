<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CComSetupDlg</name>
    <message>
      <source>COM Setup</source>
      <translation>COM Setup</translation>
    </message>
    <message>
      <source>COM</source>
      <translation>COM</translation>
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
</TS>
