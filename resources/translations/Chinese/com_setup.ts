<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CComSetupDlg</name>
    <message>
      <source>COM Setup</source>
      <translation>串口设置</translation>
    </message>
    <message>
      <source>COM</source>
      <translation>串口</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
  </context>
</TS>
