<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CNavigatorBar</name>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Choose the radio type and the frequency band</source>
      <translation>选择电台类型和频段</translation>
    </message>
    <message>
      <source>Show the channel window</source>
      <translation>显示信道窗口</translation>
    </message>
    <message>
      <source>Edit the radio's optional features</source>
      <translation>编辑电台的可选功能</translation>
    </message>
    <message>
      <source>Show or hide the navigation bar</source>
      <translation>显示或隐藏导航栏</translation>
    </message>
    <message>
      <source>No document is open.</source>
      <translation>没有打开的文件。</translation>
    </message>
  </context>
</TS>
