<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::PortAccess</name>
    <message>
      <source>You may not use %1: it belongs to the group %2, which you are not in. Add yourself to it (sudo usermod -aG %2 $USER), then log out and in again.</source>
      <translation>无权使用 %1：它属于 %2 组，而您不在该组中。请将自己加入该组（sudo usermod -aG %2 $USER），然后注销并重新登录。</translation>
    </message>
    <message>
      <source>You may not use %1 yet: you joined its group %2 after you logged in. Log out and in again.</source>
      <translation>暂时无法使用 %1：您是在登录之后才加入其所属的 %2 组的。请注销并重新登录。</translation>
    </message>
    <message>
      <source>You may not use %1: ask the administrator for read and write access to it.</source>
      <translation>无权使用 %1：请向管理员申请该设备的读写权限。</translation>
    </message>
  </context>
</TS>
