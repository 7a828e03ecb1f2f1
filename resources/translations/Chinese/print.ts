<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>FilePrompt</name>
    <message>
      <source>PDF Document (*.pdf)</source>
      <translation>PDF 文档 (*.pdf)</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Export PDF...</source>
      <translation>导出 PDF(&amp;E)...</translation>
    </message>
    <message>
      <source>Write the listing to a PDF file</source>
      <translation>把打印清单写入 PDF 文件</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>导出 PDF</translation>
    </message>
    <message>
      <source>The listing could not be printed.</source>
      <translation>无法打印清单。</translation>
    </message>
  </context>
</TS>
