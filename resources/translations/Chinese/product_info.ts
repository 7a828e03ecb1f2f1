<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CProductInfoDlg</name>
    <message>
      <source>Product Information</source>
      <translation>类型设置</translation>
    </message>
    <message>
      <source>Setting</source>
      <translation>设置</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>类型</translation>
    </message>
    <message>
      <source>Frequency</source>
      <translation>频率</translation>
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
