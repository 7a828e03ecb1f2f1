<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::FileErrors</name>
    <message>
      <source>No such file or directory</source>
      <translation>No such file or directory</translation>
    </message>
    <message>
      <source>Permission denied</source>
      <translation>Permission denied</translation>
    </message>
    <message>
      <source>Is a directory</source>
      <translation>Is a directory</translation>
    </message>
    <message>
      <source>No space left on device</source>
      <translation>No space left on device</translation>
    </message>
    <message>
      <source>Read-only file system</source>
      <translation>Read-only file system</translation>
    </message>
  </context>
</TS>
