<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>FilePrompt</name>
    <message>
      <source>PDF Document (*.pdf)</source>
      <translation>PDF Document (*.pdf)</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Export PDF...</source>
      <translation>&amp;Export PDF...</translation>
    </message>
    <message>
      <source>Write the listing to a PDF file</source>
      <translation>Write the listing to a PDF file</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>Export PDF</translation>
    </message>
    <message>
      <source>The listing could not be printed.</source>
      <translation>The listing could not be printed.</translation>
    </message>
  </context>
</TS>
