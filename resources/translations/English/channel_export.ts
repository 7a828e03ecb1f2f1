<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Multi-radio Channel List (*.csv)</source>
      <translation>Multi-radio Channel List (*.csv)</translation>
    </message>
    <message numerus="yes">
      <source>%n channel(s) in use could not be written to %1:</source>
      <translation>
        <numerusform>%n channel in use could not be written to %1:</numerusform>
        <numerusform>%n channels in use could not be written to %1:</numerusform>
      </translation>
    </message>
    <message>
      <source>Channel %1: %2</source>
      <translation>Channel %1: %2</translation>
    </message>
  </context>
  <context>
    <name>selkan::RadioListExport</name>
    <message>
      <source>transmit only (every channel of such a list has an Rx frequency)</source>
      <translation>transmit only (every channel of such a list has an Rx frequency)</translation>
    </message>
    <message>
      <source>a QT/DQT tone outside the tone list, which such a list cannot hold</source>
      <translation>a QT/DQT tone outside the tone list, which such a list cannot hold</translation>
    </message>
  </context>
</TS>
