<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::PortAccess</name>
    <message>
      <source>You may not use %1: it belongs to the group %2, which you are not in. Add yourself to it (sudo usermod -aG %2 $USER), then log out and in again.</source>
      <translation>You may not use %1: it belongs to the group %2, which you are not in. Add yourself to it (sudo usermod -aG %2 $USER), then log out and in again.</translation>
    </message>
    <message>
      <source>You may not use %1 yet: you joined its group %2 after you logged in. Log out and in again.</source>
      <translation>You may not use %1 yet: you joined its group %2 after you logged in. Log out and in again.</translation>
    </message>
    <message>
      <source>You may not use %1: ask the administrator for read and write access to it.</source>
      <translation>You may not use %1: ask the administrator for read and write access to it.</translation>
    </message>
  </context>
</TS>
