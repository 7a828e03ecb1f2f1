<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::FileErrors</name>
    <message>
      <source>No such file or directory</source>
      <translation>文件或目录不存在</translation>
    </message>
    <message>
      <source>Permission denied</source>
      <translation>权限不足，拒绝访问</translation>
    </message>
    <message>
      <source>Is a directory</source>
      <translation>这是一个文件夹</translation>
    </message>
    <message>
      <source>No space left on device</source>
      <translation>磁盘空间不足</translation>
    </message>
    <message>
      <source>Read-only file system</source>
      <translation>文件系统为只读</translation>
    </message>
  </context>
</TS>
