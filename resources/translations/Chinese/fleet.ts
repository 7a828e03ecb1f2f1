<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::FleetText</name>
    <message>
      <source>verified</source>
      <translation>已校验</translation>
    </message>
    <message>
      <source>written</source>
      <translation>已写入</translation>
    </message>
    <message>
      <source>wrong type</source>
      <translation>型号不符</translation>
    </message>
    <message>
      <source>verify failed: %1</source>
      <translation>校验失败：%1</translation>
    </message>
    <message>
      <source>verify failed: %1; %2 more</source>
      <translation>校验失败：%1；另有 %2 处</translation>
    </message>
    <message>
      <source>backup not kept (%1); nothing written</source>
      <translation>备份未能保存（%1）；未写入</translation>
    </message>
    <message>
      <source>written; no answer after the wake-up for the verify</source>
      <translation>已写入；校验时唤醒后无应答</translation>
    </message>
    <message>
      <source>no answer after the wake-up</source>
      <translation>唤醒后无应答</translation>
    </message>
    <message>
      <source>written; the port could not be opened for the verify</source>
      <translation>已写入；校验时无法打开串口</translation>
    </message>
    <message>
      <source>the port could not be opened; nothing written</source>
      <translation>无法打开串口；未写入</translation>
    </message>
    <message>
      <source>broke off at block %1 of %2</source>
      <translation>在第 %1 块（共 %2 块）处中断</translation>
    </message>
    <message>
      <source>written; the verify read broke off</source>
      <translation>已写入；校验读取中断</translation>
    </message>
    <message>
      <source>the backup read broke off; nothing written</source>
      <translation>备份读取中断；未写入</translation>
    </message>
    <message>
      <source>broke off at block %1 of %2 (stopped)</source>
      <translation>在第 %1 块（共 %2 块）处中断（已停止）</translation>
    </message>
    <message>
      <source>written; stopped during the verify</source>
      <translation>已写入；校验时停止</translation>
    </message>
    <message>
      <source>stopped; nothing written</source>
      <translation>已停止；未写入</translation>
    </message>
    <message>
      <source>Radio %1 done</source>
      <translation>电台 %1 已完成</translation>
    </message>
    <message>
      <source>Radio %1 verified in %2 s</source>
      <translation>电台 %1 已写入并校验，用时 %2 秒</translation>
    </message>
    <message>
      <source>Radio %1 written in %2 s</source>
      <translation>电台 %1 已写入，用时 %2 秒</translation>
    </message>
    <message>
      <source>Radio %1 is of another type (%2)</source>
      <translation>电台 %1 是其他型号（%2）</translation>
    </message>
    <message>
      <source>Radio %1 failed</source>
      <translation>电台 %1 失败</translation>
    </message>
    <message>
      <source>Connect a radio and turn it on</source>
      <translation>请连接电台并开机</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: reading it into a backup</source>
      <translation>电台 %1，第 %2 步（共 %3 步）：读取备份</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: writing it</source>
      <translation>电台 %1，第 %2 步（共 %3 步）：写入</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: reading it back to verify it</source>
      <translation>电台 %1，第 %2 步（共 %3 步）：回读校验</translation>
    </message>
    <message>
      <source>%1 — remove it</source>
      <translation>%1 — 请取下电台</translation>
    </message>
    <message>
      <source>%1 — connect the next radio and press Next Radio</source>
      <translation>%1 — 请连接下一台电台并按“下一台”</translation>
    </message>
    <message>
      <source>The port could not be opened</source>
      <translation>无法打开串口</translation>
    </message>
    <message>
      <source>Stopped</source>
      <translation>已停止</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>完成</translation>
    </message>
    <message>
      <source>Stopped. Radios: %1, verified: %2, failed: %3</source>
      <translation>已停止。电台：%1 台，已校验：%2，失败：%3</translation>
    </message>
    <message>
      <source>Stopped. Radios: %1, written: %2, failed: %3</source>
      <translation>已停止。电台：%1 台，已写入：%2，失败：%3</translation>
    </message>
    <message>
      <source>Finished. Radios: %1, verified: %2, failed: %3</source>
      <translation>已完成。电台：%1 台，已校验：%2，失败：%3</translation>
    </message>
    <message>
      <source>Finished. Radios: %1, written: %2, failed: %3</source>
      <translation>已完成。电台：%1 台，已写入：%2，失败：%3</translation>
    </message>
    <message>
      <source>No port could be opened</source>
      <translation>没有能打开的串口</translation>
    </message>
    <message>
      <source>Stopping...</source>
      <translation>正在停止...</translation>
    </message>
    <message>
      <source>Connect radios and turn them on</source>
      <translation>请在各串口连接电台并开机</translation>
    </message>
    <message>
      <source>Radio %1: connect it and turn it on</source>
      <translation>电台 %1：请连接并开机</translation>
    </message>
  </context>
  <context>
    <name>selkan::CFleetDlg</name>
    <message>
      <source>Program Several Radios</source>
      <translation>批量写频</translation>
    </message>
    <message>
      <source>Every radio gets the document as it is when Start is pressed: later edits of the document do not reach the radios of a run already started.</source>
      <translation>每台电台写入的都是按下“开始”时的文件内容：之后对文件的修改不会写入已开始的批量写频中的电台。</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>选项</translation>
    </message>
    <message>
      <source>&amp;Back up each radio first</source>
      <translation>先备份每台电台(&amp;B)</translation>
    </message>
    <message>
      <source>&amp;Verify each radio after writing</source>
      <translation>写入后校验每台电台(&amp;V)</translation>
    </message>
    <message>
      <source>S&amp;top after a radio that failed</source>
      <translation>某台电台失败后停止(&amp;T)</translation>
    </message>
    <message>
      <source>The radios stay &amp;connected: wait for Next Radio, not for removal</source>
      <translation>电台保持连接(&amp;C)：等待按“下一台”，而不是等待取下</translation>
    </message>
    <message>
      <source>until stopped</source>
      <translation>直到停止</translation>
    </message>
    <message>
      <source>&amp;Radios to program:</source>
      <translation>写频台数(&amp;R)：</translation>
    </message>
    <message>
      <source>Ports</source>
      <translation>串口</translation>
    </message>
    <message>
      <source>Choose the ports, connect the first radio and press Start.</source>
      <translation>请选择串口，连接第一台电台，然后按“开始”。</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>序号</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>开始时间</translation>
    </message>
    <message>
      <source>Seconds</source>
      <translation>秒</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>串口</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>结果</translation>
    </message>
    <message>
      <source>Backup</source>
      <translation>备份</translation>
    </message>
    <message>
      <source>&amp;Start</source>
      <translation>开始(&amp;S)</translation>
    </message>
    <message>
      <source>Sto&amp;p</source>
      <translation>停止(&amp;P)</translation>
    </message>
    <message>
      <source>&amp;Next Radio</source>
      <translation>下一台(&amp;N)</translation>
    </message>
    <message>
      <source>Save &amp;Log...</source>
      <translation>保存日志(&amp;L)...</translation>
    </message>
    <message>
      <source>Document: %1</source>
      <translation>文件：%1</translation>
    </message>
    <message>
      <source>No document is open.</source>
      <translation>没有打开的文件。</translation>
    </message>
    <message>
      <source>Choose a port to program on.</source>
      <translation>请选择写频用的串口。</translation>
    </message>
    <message>
      <source>%1 is the same device as another port chosen.</source>
      <translation>%1 与所选的另一个串口是同一设备。</translation>
    </message>
    <message>
      <source>Wait until the transfer has ended, or cancel it.</source>
      <translation>请等待传输结束，或取消传输。</translation>
    </message>
    <message>
      <source>The log of the run cannot be written:
%1</source>
      <translation>无法写入本次批量写频的日志：
%1</translation>
    </message>
    <message>
      <source>Log: %1</source>
      <translation>日志：%1</translation>
    </message>
    <message>
      <source>The log could not be written:
%1</source>
      <translation>日志未能写入：
%1</translation>
    </message>
    <message>
      <source>Save Log</source>
      <translation>保存日志</translation>
    </message>
    <message>
      <source>Log (*.csv)</source>
      <translation>日志 (*.csv)</translation>
    </message>
    <message>
      <source>The log %1 cannot be read.</source>
      <translation>无法读取日志 %1。</translation>
    </message>
    <message>
      <source>Radios are being programmed. Stop, and close the window once the run has ended?
A radio being written is broken off and logged so.</source>
      <translation>正在批量写频。是否停止，并在结束后关闭窗口？
正在写入的电台将被中断，并记入日志。</translation>
    </message>
  </context>
  <context>
    <name>selkan::CTransferController</name>
    <message>
      <source>Several radios are being programmed. Wait until that has ended, or stop it.</source>
      <translation>正在批量写频。请等待其结束，或将其停止。</translation>
    </message>
  </context>
</TS>
