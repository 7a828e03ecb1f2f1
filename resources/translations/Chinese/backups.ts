<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CBackupsDlg</name>
    <message>
      <source>Backups</source>
      <translation>备份</translation>
    </message>
    <message>
      <source>Kept in %1</source>
      <translation>保存在 %1</translation>
    </message>
    <message>
      <source>&amp;Radio type:</source>
      <translation>电台类型(&amp;R)：</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>日期和时间</translation>
    </message>
    <message>
      <source>Radio type</source>
      <translation>电台类型</translation>
    </message>
    <message>
      <source>Identification</source>
      <translation>识别码</translation>
    </message>
    <message>
      <source>Size (bytes)</source>
      <translation>大小（字节）</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>打开(&amp;O)</translation>
    </message>
    <message>
      <source>&amp;Compare with the Active Document</source>
      <translation>与当前文件比较(&amp;C)</translation>
    </message>
    <message>
      <source>&amp;Write to the Radio</source>
      <translation>写入电台(&amp;W)</translation>
    </message>
    <message>
      <source>Show in &amp;Folder</source>
      <translation>在文件夹中显示(&amp;F)</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>删除(&amp;D)</translation>
    </message>
    <message>
      <source>All radio types</source>
      <translation>所有电台类型</translation>
    </message>
    <message>
      <source>Delete the backup %1?
It cannot be brought back.</source>
      <translation>删除备份 %1？
删除后无法恢复。</translation>
    </message>
    <message>
      <source>The backup could not be deleted:
%1</source>
      <translation>无法删除备份：
%1</translation>
    </message>
    <message>
      <source>The folder %1 cannot be shown.</source>
      <translation>无法显示文件夹 %1。</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Co&amp;mpare with Radio</source>
      <translation>与电台比较(&amp;M)</translation>
    </message>
    <message>
      <source>Read the radio and list what differs from the active document</source>
      <translation>读取电台数据，列出与当前文件的不同之处</translation>
    </message>
    <message>
      <source>&amp;Backups...</source>
      <translation>备份(&amp;B)...</translation>
    </message>
    <message>
      <source>The radio&apos;s contents kept before each write</source>
      <translation>每次写入前保存的电台数据</translation>
    </message>
    <message>
      <source>Compare with Radio</source>
      <translation>与电台比较</translation>
    </message>
    <message>
      <source>the radio</source>
      <translation>电台</translation>
    </message>
    <message>
      <source>%1 (backup)</source>
      <translation>%1（备份）</translation>
    </message>
  </context>
</TS>
