<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CLanguageDlg</name>
    <message>
      <source>Language</source>
      <translation>语言</translation>
    </message>
    <message>
      <source>English</source>
      <translation>英文</translation>
    </message>
    <message>
      <source>Chinese</source>
      <translation>中文</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>确定</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>取消</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>The language could not be stored, so the program does not restart.
%1</source>
      <translation>无法保存语言设置，程序不会重新启动。
%1</translation>
    </message>
    <message>
      <source>The program %1 could not be started. The new language takes effect when the program is started again.</source>
      <translation>无法启动程序 %1。新语言将在程序下次启动时生效。</translation>
    </message>
    <message>
      <source>The language is stored; the maker's settings file is not: %1</source>
      <translation>语言已保存，但厂家设置文件未能写入：%1</translation>
    </message>
  </context>
</TS>
