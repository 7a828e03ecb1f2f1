<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CSelkanView</name>
    <message>
      <source>Cell Edit</source>
      <translation>单元格编辑</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>读频</translation>
    </message>
  </context>
  <context>
    <name>selkan::ChannelCommands</name>
    <message>
      <source>Cut</source>
      <translation>剪切</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>删除</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>粘贴</translation>
    </message>
    <message>
      <source>Insert Channel</source>
      <translation>插入信道</translation>
    </message>
    <message>
      <source>Delete Channel</source>
      <translation>删除信道</translation>
    </message>
    <message>
      <source>Move Up</source>
      <translation>上移</translation>
    </message>
    <message>
      <source>Move Down</source>
      <translation>下移</translation>
    </message>
    <message>
      <source>Channel 199 is in use: no channel can be inserted before it is deleted.</source>
      <translation>第 199 信道正在使用：删除它之后才能插入信道。</translation>
    </message>
    <message>
      <source>Channels %1 to 199 are not all empty: %2 channels cannot be inserted before they are deleted.</source>
      <translation>第 %1 至 199 信道并非全部为空：删除它们之后才能插入 %2 个信道。</translation>
    </message>
    <message>
      <source>These values were not entered:</source>
      <translation>以下数值没有输入：</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>……另有 %1 项</translation>
    </message>
    <message>
      <source>not a tone of the list</source>
      <translation>不是列表中的亚音</translation>
    </message>
    <message>
      <source>not a choice of this column</source>
      <translation>不是此列的选项</translation>
    </message>
    <message>
      <source>the channel has no Rx Frequency</source>
      <translation>该信道没有接收频率</translation>
    </message>
    <message numerus="yes">
      <source>%n value(s) below channel 199</source>
      <translation>
        <numerusform>第 199 信道之后的 %n 个数值</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n value(s) right of the last column</source>
      <translation>
        <numerusform>最后一列右边的 %n 个数值</numerusform>
      </translation>
    </message>
    <message>
      <source>Channel %1, %2 "%3": %4</source>
      <translation>信道 %1，%2“%3”：%4</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Undo</source>
      <translation>撤销(&amp;U)</translation>
    </message>
    <message>
      <source>Undo the last change</source>
      <translation>撤销上一次修改</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>重做(&amp;R)</translation>
    </message>
    <message>
      <source>Redo the change undone last</source>
      <translation>重做上一次撤销的修改</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>剪切(&amp;T)</translation>
    </message>
    <message>
      <source>Cut the selected cells to the clipboard</source>
      <translation>把选中的单元格剪切到剪贴板</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>复制(&amp;C)</translation>
    </message>
    <message>
      <source>Copy the selected cells to the clipboard</source>
      <translation>把选中的单元格复制到剪贴板</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
      <source>Paste cells from the clipboard</source>
      <translation>从剪贴板粘贴单元格</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>删除(&amp;D)</translation>
    </message>
    <message>
      <source>Clear the selected cells</source>
      <translation>清除选中的单元格</translation>
    </message>
    <message>
      <source>Select &amp;All</source>
      <translation>全选(&amp;A)</translation>
    </message>
    <message>
      <source>Select every channel</source>
      <translation>选中所有信道</translation>
    </message>
    <message>
      <source>&amp;Insert Empty Channel</source>
      <translation>插入空信道(&amp;I)</translation>
    </message>
    <message>
      <source>Insert empty channels; the channels below move down</source>
      <translation>插入空信道；下面的信道下移</translation>
    </message>
    <message>
      <source>Delete C&amp;hannel</source>
      <translation>删除信道(&amp;H)</translation>
    </message>
    <message>
      <source>Delete the selected channels; the channels below move up</source>
      <translation>删除选中的信道；下面的信道上移</translation>
    </message>
    <message>
      <source>Mo&amp;ve Up</source>
      <translation>上移(&amp;V)</translation>
    </message>
    <message>
      <source>Move the selected channels up by one</source>
      <translation>把选中的信道上移一位</translation>
    </message>
    <message>
      <source>Move Do&amp;wn</source>
      <translation>下移(&amp;W)</translation>
    </message>
    <message>
      <source>Move the selected channels down by one</source>
      <translation>把选中的信道下移一位</translation>
    </message>
    <message>
      <source>&amp;Import Channels...</source>
      <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
      <source>Put the channels of a CSV channel list into the document</source>
      <translation>把 CSV 信道列表中的信道放入文件</translation>
    </message>
    <message>
      <source>&amp;Export Channels...</source>
      <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
      <source>Write the channels as a CSV channel list</source>
      <translation>把信道写成 CSV 信道列表</translation>
    </message>
    <message>
      <source>&amp;Undo %1</source>
      <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
      <source>&amp;Redo %1</source>
      <translation>重做%1(&amp;R)</translation>
    </message>
    <message>
      <source>Import Channels</source>
      <translation>导入信道</translation>
    </message>
    <message>
      <source>Export Channels</source>
      <translation>导出信道</translation>
    </message>
    <message>
      <source>Channel List (*.csv)</source>
      <translation>信道列表 (*.csv)</translation>
    </message>
    <message>
      <source>%1 is too large to be a channel list.</source>
      <translation>%1 太大，不是信道列表。</translation>
    </message>
    <message>
      <source>No channel was imported. These lines cannot be taken:</source>
      <translation>没有导入任何信道。以下各行不能导入：</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>……另有 %1 项</translation>
    </message>
    <message>
      <source>Optional Features</source>
      <translation>可选功能</translation>
    </message>
    <message>
      <source>Product Information</source>
      <translation>类型设置</translation>
    </message>
  </context>
  <context>
    <name>FilePrompt</name>
    <message>
      <source>All Files (*)</source>
      <translation>所有文件 (*)</translation>
    </message>
  </context>
</TS>
