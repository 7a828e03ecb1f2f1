<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>CProcessDlg</name>
    <message>
      <source>Process</source>
      <translation>Process</translation>
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
  <context>
    <name>selkan::TransferMessages</name>
    <message>
      <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
      <translation>Could not Open the Port,Please check whether the Port are occupied or the device are ok</translation>
    </message>
    <message>
      <source>Communication Error,Please check all the connections and the radio power</source>
      <translation>Communication Error,Please check all the connections and the radio power</translation>
    </message>
    <message>
      <source>Program Interrupt, Please reset the radio and try again</source>
      <translation>Program Interrupt, Please reset the radio and try again</translation>
    </message>
  </context>
</TS>
