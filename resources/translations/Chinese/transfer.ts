<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CProcessDlg</name>
    <message>
      <source>Process</source>
      <translation>进度</translation>
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
  <context>
    <name>selkan::TransferMessages</name>
    <message>
      <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
      <translation>无法打开串口，请检查串口是否被占用或设备是否正常</translation>
    </message>
    <message>
      <source>Communication Error,Please check all the connections and the radio power</source>
      <translation>通讯错误，请检查所有连接及对讲机电源</translation>
    </message>
    <message>
      <source>Program Interrupt, Please reset the radio and try again</source>
      <translation>编程中断，请复位对讲机后重试</translation>
    </message>
  </context>
</TS>
