<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CCellEditors</name>
    <message>
      <source>Caution</source>
      <translation>Caution</translation>
    </message>
    <message>
      <source>Out of range,please input again.</source>
      <translation>Out of range,please input again.</translation>
    </message>
    <message>
      <source>Error data Value, please input according the step value(6.25K/5k).</source>
      <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
  </context>
</TS>
