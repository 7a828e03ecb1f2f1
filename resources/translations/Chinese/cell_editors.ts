<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CCellEditors</name>
    <message>
      <source>Caution</source>
      <translation>警告</translation>
    </message>
    <message>
      <source>Out of range,please input again.</source>
      <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
      <source>Error data Value, please input according the step value(6.25K/5k).</source>
      <translation>数据错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
  </context>
</TS>
