<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CNavigatorBar</name>
    <message>
      <source>Close</source>
      <translation>Close</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Choose the radio type and the frequency band</source>
      <translation>Choose the radio type and the frequency band</translation>
    </message>
    <message>
      <source>Show the channel window</source>
      <translation>Show the channel window</translation>
    </message>
    <message>
      <source>Edit the radio's optional features</source>
      <translation>Edit the radio's optional features</translation>
    </message>
    <message>
      <source>Show or hide the navigation bar</source>
      <translation>Show or hide the navigation bar</translation>
    </message>
    <message>
      <source>No document is open.</source>
      <translation>No document is open.</translation>
    </message>
  </context>
</TS>
