<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Multi-radio Channel List (*.csv)</source>
      <translation>多电台编程软件信道列表 (*.csv)</translation>
    </message>
    <message numerus="yes">
      <source>%n channel(s) in use could not be written to %1:</source>
      <translation>
        <numerusform>%n 个在用信道无法写入 %1：</numerusform>
      </translation>
    </message>
    <message>
      <source>Channel %1: %2</source>
      <translation>信道 %1：%2</translation>
    </message>
  </context>
  <context>
    <name>selkan::RadioListExport</name>
    <message>
      <source>transmit only (every channel of such a list has an Rx frequency)</source>
      <translation>仅发射（此类列表的每个信道都必须有接收频率）</translation>
    </message>
    <message>
      <source>a QT/DQT tone outside the tone list, which such a list cannot hold</source>
      <translation>QT/DQT 亚音不在亚音列表中，此类列表无法保存</translation>
    </message>
  </context>
</TS>
