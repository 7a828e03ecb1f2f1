<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CAboutDlg</name>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
  </context>
</TS>
