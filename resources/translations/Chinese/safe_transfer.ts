<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>CProcessDlg</name>
    <message>
      <source>Back up the radio first</source>
      <translation>写入前先备份电台</translation>
    </message>
    <message>
      <source>Read the radio into a backup file before writing it, so that it can be put back</source>
      <translation>写入前先把电台的数据读入备份文件，以便恢复</translation>
    </message>
    <message>
      <source>Verify after writing</source>
      <translation>写入后校验</translation>
    </message>
    <message>
      <source>Read the radio back after writing and compare it with what was written</source>
      <translation>写入后读回电台的数据，并与写入的数据比较</translation>
    </message>
  </context>
  <context>
    <name>selkan::SafeTransfer</name>
    <message>
      <source>reading the radio into a backup</source>
      <translation>读取电台数据作为备份</translation>
    </message>
    <message>
      <source>writing the radio</source>
      <translation>写入电台</translation>
    </message>
    <message>
      <source>writing the backup back into the radio</source>
      <translation>把备份写回电台</translation>
    </message>
    <message>
      <source>reading the radio back to verify it</source>
      <translation>读回电台数据进行校验</translation>
    </message>
    <message>
      <source>Step %1 of %2: %3</source>
      <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
      <source>The write broke off after %1 of %2 blocks: the radio is only partly programmed.</source>
      <translation>写入在第 %1 块（共 %2 块）后中断：电台只写入了一部分。</translation>
    </message>
    <message>
      <source>Its contents from before the write are kept in %1.</source>
      <translation>写入前的数据保存在 %1。</translation>
    </message>
    <message>
      <source>Retry the write</source>
      <translation>重新写入</translation>
    </message>
    <message>
      <source>Restore the backup</source>
      <translation>恢复备份</translation>
    </message>
    <message>
      <source>and %1 more</source>
      <translation>另有 %1 处</translation>
    </message>
    <message>
      <source>The radio does not hold what was written. These differ (written -&gt; in the radio):</source>
      <translation>电台中的数据与写入的不一致。不同之处（写入 -&gt; 电台中）：</translation>
    </message>
    <message>
      <source>The radio does not hold the backup written back into it. These differ (written -&gt; in the radio):</source>
      <translation>电台中的数据与写回的备份不一致。不同之处（写入 -&gt; 电台中）：</translation>
    </message>
    <message>
      <source>The radio&apos;s contents could not be kept as a backup:
%1
Nothing was written to the radio.</source>
      <translation>无法保存电台数据的备份：
%1
没有向电台写入任何数据。</translation>
    </message>
    <message>
      <source>The radio could not be read for its backup: nothing was written.</source>
      <translation>无法读取电台数据进行备份：没有写入任何数据。</translation>
    </message>
    <message>
      <source>The radio was written, but reading it back to verify it failed.</source>
      <translation>电台已写入，但读回校验失败。</translation>
    </message>
    <message>
      <source>The backup was written back into the radio.</source>
      <translation>备份已写回电台。</translation>
    </message>
    <message>
      <source>The radio was written and verified.</source>
      <translation>电台已写入并校验无误。</translation>
    </message>
    <message>
      <source>The radio was written.</source>
      <translation>电台已写入。</translation>
    </message>
    <message>
      <source>Backup: %1</source>
      <translation>备份：%1</translation>
    </message>
    <message>
      <source>Write again</source>
      <translation>再次写入</translation>
    </message>
    <message>
      <source>Keep</source>
      <translation>保留</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Co&amp;mpare With...</source>
      <translation>比较(&amp;M)...</translation>
    </message>
    <message>
      <source>List what differs between the active document and a file</source>
      <translation>列出当前文件与另一文件的不同之处</translation>
    </message>
    <message>
      <source>Compare With</source>
      <translation>比较</translation>
    </message>
    <message>
      <source>%1 and %2 hold the same data.</source>
      <translation>%1 与 %2 的数据相同。</translation>
    </message>
    <message>
      <source>What differs between %1 and %2, one line each (%1 -&gt; %2):</source>
      <translation>%1 与 %2 的不同之处，每行一处（%1 -&gt; %2）：</translation>
    </message>
  </context>
  <context>
    <name>CCompareDlg</name>
    <message>
      <source>Compare With</source>
      <translation>比较</translation>
    </message>
  </context>
</TS>
