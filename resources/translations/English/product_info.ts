<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CProductInfoDlg</name>
    <message>
      <source>Product Information</source>
      <translation>Product Information</translation>
    </message>
    <message>
      <source>Setting</source>
      <translation>Setting</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Type</translation>
    </message>
    <message>
      <source>Frequency</source>
      <translation>Frequency</translation>
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
