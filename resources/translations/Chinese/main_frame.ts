<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>FilePrompt</name>
    <message>
      <source>Selkan Document (*.dat)</source>
      <translation>Selkan 文件 (*.dat)</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Selkan</source>
      <translation>Selkan 写频软件</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>新建(&amp;N)</translation>
    </message>
    <message>
      <source>Create a new document</source>
      <translation>建立新文件</translation>
    </message>
    <message>
      <source>New</source>
      <translation>新建</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>打开(&amp;O)...</translation>
    </message>
    <message>
      <source>Open an existing document</source>
      <translation>打开已有文件</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>打开</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>关闭(&amp;C)</translation>
    </message>
    <message>
      <source>Close the active document</source>
      <translation>关闭当前文件</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>保存(&amp;S)</translation>
    </message>
    <message>
      <source>Save the active document</source>
      <translation>保存当前文件</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>保存</translation>
    </message>
    <message>
      <source>Save &amp;As...</source>
      <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
      <source>Save the active document with a new name</source>
      <translation>用新名字保存当前文件</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>打印(&amp;P)...</translation>
    </message>
    <message>
      <source>Print the active document</source>
      <translation>打印当前文件</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>打印</translation>
    </message>
    <message>
      <source>Print Pre&amp;view</source>
      <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
      <source>Display full pages</source>
      <translation>显示整页</translation>
    </message>
    <message>
      <source>P&amp;rint Setup...</source>
      <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
      <source>Change the printer and printing options</source>
      <translation>更改打印机和打印选项</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>退出(&amp;X)</translation>
    </message>
    <message>
      <source>Quit the application; prompts to save documents</source>
      <translation>退出程序；提示保存文件</translation>
    </message>
    <message>
      <source>&amp;Product Information</source>
      <translation>类型设置(&amp;P)</translation>
    </message>
    <message>
      <source>&amp;Channel Information</source>
      <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Optional Features</source>
      <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
      <source>&amp;Read</source>
      <translation>读频(&amp;R)</translation>
    </message>
    <message>
      <source>Read Data From Radio</source>
      <translation>从电台读取数据</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>读频</translation>
    </message>
    <message>
      <source>&amp;Write</source>
      <translation>写频(&amp;W)</translation>
    </message>
    <message>
      <source>Write Data To Radio</source>
      <translation>向电台写入数据</translation>
    </message>
    <message>
      <source>Write</source>
      <translation>写频</translation>
    </message>
    <message>
      <source>&amp;Toolbar</source>
      <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
      <source>Show or hide the toolbar</source>
      <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
      <source>&amp;Status Bar</source>
      <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
      <source>Show or hide the status bar</source>
      <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
      <source>&amp;Control Bar</source>
      <translation>导航栏(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Com Setup</source>
      <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
      <source>Wait until the transfer has ended, or cancel it.</source>
      <translation>请等待传输结束，或取消传输。</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>语言(&amp;L)</translation>
    </message>
    <message>
      <source>&amp;About Selkan...</source>
      <translation>关于 Selkan(&amp;A)...</translation>
    </message>
    <message>
      <source>Display program information, version number and copyright</source>
      <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
      <source>About</source>
      <translation>关于</translation>
    </message>
    <message>
      <source>Next Window</source>
      <translation>下一窗口</translation>
    </message>
    <message>
      <source>Switch to the next window pane</source>
      <translation>切换到下一窗口</translation>
    </message>
    <message>
      <source>Previous Window</source>
      <translation>上一窗口</translation>
    </message>
    <message>
      <source>Switch back to the previous window pane</source>
      <translation>切换回上一窗口</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>文件(&amp;F)</translation>
    </message>
    <message>
      <source>&amp;Edit</source>
      <translation>编辑(&amp;E)</translation>
    </message>
    <message>
      <source>&amp;Program</source>
      <translation>编程(&amp;P)</translation>
    </message>
    <message>
      <source>&amp;View</source>
      <translation>查看(&amp;V)</translation>
    </message>
    <message>
      <source>&amp;Setup</source>
      <translation>设置(&amp;S)</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>帮助(&amp;H)</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>工具栏</translation>
    </message>
    <message>
      <source>CAP</source>
      <translation>大写</translation>
    </message>
    <message>
      <source>NUM</source>
      <translation>数字</translation>
    </message>
    <message>
      <source>SCRL</source>
      <translation>滚动</translation>
    </message>
    <message>
      <source>Ready</source>
      <translation>就绪</translation>
    </message>
    <message>
      <source>All data will be Cleared!</source>
      <translation>所有数据将被清除！</translation>
    </message>
    <message>
      <source>Cannot open the file %1.</source>
      <translation>无法打开文件 %1。</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>另存为</translation>
    </message>
    <message>
      <source>Cannot save the file %1.</source>
      <translation>无法保存文件 %1。</translation>
    </message>
    <message>
      <source>Save changes to %1?</source>
      <translation>是否保存对 %1 的修改？</translation>
    </message>
    <message>
      <source>The file %1 has been changed on disk since it was opened or saved here.</source>
      <translation>文件 %1 在打开或保存之后已在磁盘上被更改。</translation>
    </message>
    <message>
      <source>Reload it?</source>
      <translation>是否重新载入？</translation>
    </message>
    <message>
      <source>Reload it? The changes not saved here are lost.</source>
      <translation>是否重新载入？此处未保存的修改将丢失。</translation>
    </message>
    <message>
      <source>&amp;Reload</source>
      <translation>重新载入(&amp;R)</translation>
    </message>
    <message>
      <source>&amp;Keep</source>
      <translation>保留(&amp;K)</translation>
    </message>
    <message>
      <source>Overwrite it with this document?</source>
      <translation>是否用此文档覆盖它？</translation>
    </message>
    <message>
      <source>&amp;Overwrite</source>
      <translation>覆盖(&amp;O)</translation>
    </message>
    <message>
      <source>Program &amp;Several Radios...</source>
      <translation>批量写频(&amp;S)...</translation>
    </message>
    <message>
      <source>Write the active document into radio after radio, each logged</source>
      <translation>把当前文件逐台写入多台电台，并逐台记录日志</translation>
    </message>
    <message>
      <source>Wait until the radios have been programmed, or stop the run.</source>
      <translation>请等待批量写频结束，或将其停止。</translation>
    </message>
  </context>
</TS>
