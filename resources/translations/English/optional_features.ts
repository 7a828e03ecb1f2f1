<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>COptionalFeaturesDlg</name>
    <message>
      <source>Optional Features</source>
      <translation>Optional Features</translation>
    </message>
    <message>
      <source>Battery Saver</source>
      <translation>Battery Saver</translation>
    </message>
    <message>
      <source>Beep</source>
      <translation>Beep</translation>
    </message>
    <message>
      <source>Busy Lock</source>
      <translation>Busy Lock</translation>
    </message>
    <message>
      <source>Key Lock</source>
      <translation>Key Lock</translation>
    </message>
    <message>
      <source>ANI</source>
      <translation>ANI</translation>
    </message>
    <message>
      <source>Vox</source>
      <translation>Vox</translation>
    </message>
    <message>
      <source>LED</source>
      <translation>LED</translation>
    </message>
    <message>
      <source>Squelch Level</source>
      <translation>Squelch Level</translation>
    </message>
    <message>
      <source>Vox Gain Level</source>
      <translation>Vox Gain Level</translation>
    </message>
    <message>
      <source>Step</source>
      <translation>Step</translation>
    </message>
    <message>
      <source>Time-Out Timer</source>
      <translation>Time-Out Timer</translation>
    </message>
    <message>
      <source>Vox Delay Time</source>
      <translation>Vox Delay Time</translation>
    </message>
    <message>
      <source>Priority Channel</source>
      <translation>Priority Channel</translation>
    </message>
    <message>
      <source>ANI Code</source>
      <translation>ANI Code</translation>
    </message>
    <message>
      <source>On</source>
      <translation>On</translation>
    </message>
    <message>
      <source>Off</source>
      <translation>Off</translation>
    </message>
    <message>
      <source>5k</source>
      <translation>5k</translation>
    </message>
    <message>
      <source>10k</source>
      <translation>10k</translation>
    </message>
    <message>
      <source>6.25k</source>
      <translation>6.25k</translation>
    </message>
    <message>
      <source>12.5k</source>
      <translation>12.5k</translation>
    </message>
    <message>
      <source>25k</source>
      <translation>25k</translation>
    </message>
    <message>
      <source>30</source>
      <translation>30</translation>
    </message>
    <message>
      <source>60</source>
      <translation>60</translation>
    </message>
    <message>
      <source>90</source>
      <translation>90</translation>
    </message>
    <message>
      <source>120</source>
      <translation>120</translation>
    </message>
    <message>
      <source>180</source>
      <translation>180</translation>
    </message>
    <message>
      <source>240</source>
      <translation>240</translation>
    </message>
    <message>
      <source>300</source>
      <translation>300</translation>
    </message>
    <message>
      <source>1s</source>
      <translation>1s</translation>
    </message>
    <message>
      <source>2s</source>
      <translation>2s</translation>
    </message>
    <message>
      <source>3s</source>
      <translation>3s</translation>
    </message>
    <message>
      <source>4s</source>
      <translation>4s</translation>
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
</TS>
