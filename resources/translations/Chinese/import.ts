<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Append</source>
      <translation>追加(&amp;A)</translation>
    </message>
    <message>
      <source>&amp;From Channel %1</source>
      <translation>从信道 %1 起(&amp;F)</translation>
    </message>
    <message>
      <source>&amp;Import %1</source>
      <translation>导入 %1 行(&amp;I)</translation>
    </message>
    <message>
      <source>&amp;Replace All</source>
      <translation>全部替换(&amp;R)</translation>
    </message>
    <message>
      <source>Append: after channel %1, the last in use.</source>
      <translation>追加：放在最后一个使用中的信道 %1 之后。</translation>
    </message>
    <message>
      <source>Append: from channel 1 on, as no channel is in use.</source>
      <translation>追加：没有使用中的信道，从信道 1 起放置。</translation>
    </message>
    <message>
      <source>From Channel %1: from the first selected channel on, over the channels there.</source>
      <translation>从信道 %1 起：从选中的第一个信道起放置，覆盖那里的信道。</translation>
    </message>
    <message>
      <source>Import the rows that fit and skip the others?</source>
      <translation>导入能放入的行并跳过其余各行吗？</translation>
    </message>
    <message>
      <source>Replace All: the list holds the file&apos;s channels and no others.</source>
      <translation>全部替换：信道列表只含文件中的信道。</translation>
    </message>
    <message>
      <source>Replace all channels? The %1 channels in use now are replaced by those of %2.</source>
      <translation>替换全部信道吗？现在使用中的 %1 个信道将被 %2 中的信道替换。</translation>
    </message>
    <message>
      <source>Replace all channels? The channel in use now is replaced by those of %1.</source>
      <translation>替换全部信道吗？现在使用中的那个信道将被 %1 中的信道替换。</translation>
    </message>
    <message>
      <source>Rows that fit: %1. Rows that do not fit: %2:</source>
      <translation>能放入的行：%1。不能放入的行：%2：</translation>
    </message>
    <message>
      <source>Where do the channels of %1 go?</source>
      <translation>%1 中的信道放在哪里？</translation>
    </message>
  </context>
  <context>
    <name>selkan::ImportMessages</name>
    <message>
      <source>%1 &quot;%2&quot; has no sign: write +%2 for an input above the output, -%2 for one below</source>
      <translation>%1“%2”没有正负号：输入频率高于输出频率时写 +%2，低于时写 -%2</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a DQT code of the tone table</source>
      <translation>%1“%2”不是亚音表中的 DQT 码</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a QT tone of the tone table</source>
      <translation>%1“%2”不是亚音表中的 QT 亚音</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a QT tone or DQT code of the tone table</source>
      <translation>%1“%2”不是亚音表中的 QT 亚音或 DQT 码</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a frequency in MHz</source>
      <translation>%1“%2”不是以 MHz 为单位的频率</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a number of MHz</source>
      <translation>%1“%2”不是 MHz 数</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot;: %3</source>
      <translation>%1“%2”：%3</translation>
    </message>
    <message>
      <source>Channels imported: %1, into channels %2 to %3.</source>
      <translation>导入的信道：%1 个，放在信道 %2 到 %3。</translation>
    </message>
    <message>
      <source>Channels imported: %1.</source>
      <translation>导入的信道：%1 个。</translation>
    </message>
    <message>
      <source>Columns ignored: %1.</source>
      <translation>忽略的列：%1。</translation>
    </message>
    <message>
      <source>CrossMode &quot;%1&quot; is not one this radio can hold</source>
      <translation>CrossMode“%1”不是本机能保存的方式</translation>
    </message>
    <message>
      <source>DtcsPolarity &quot;%1&quot; is not two letters N or R</source>
      <translation>DtcsPolarity“%1”不是两个字母 N 或 R</translation>
    </message>
    <message>
      <source>Duplex &quot;%1&quot; is not one of &quot;&quot;, +, -, split, off</source>
      <translation>Duplex“%1”不是 &quot;&quot;、+、-、split、off 之一</translation>
    </message>
    <message>
      <source>Duplex %1 with Offset &quot;%2&quot; gives no Tx frequency</source>
      <translation>Duplex %1 与 Offset“%2”得不出发射频率</translation>
    </message>
    <message>
      <source>Duplex split needs the Tx frequency as Offset</source>
      <translation>Duplex 为 split 时 Offset 须是发射频率</translation>
    </message>
    <message>
      <source>Location %1 → channel %2</source>
      <translation>Location %1 → 信道 %2</translation>
    </message>
    <message>
      <source>Locations %1 to %2 → channels %3 to %4</source>
      <translation>Location %1 到 %2 → 信道 %3 到 %4</translation>
    </message>
    <message>
      <source>Mode &quot;%1&quot;: the radio works in FM (Wide) and NFM (Narrow) only</source>
      <translation>Mode“%1”：本机只工作于 FM（宽带）和 NFM（窄带）</translation>
    </message>
    <message>
      <source>Power &quot;%1&quot; is neither a power level nor watts</source>
      <translation>Power“%1”既不是功率档也不是瓦数</translation>
    </message>
    <message>
      <source>Read as %1.</source>
      <translation>按%1读取。</translation>
    </message>
    <message>
      <source>Renumbered, as not every Location is a channel 1 to 199:</source>
      <translation>重新编号，因为并非每个 Location 都是 1 到 199 的信道：</translation>
    </message>
    <message>
      <source>Skip &quot;%1&quot; is not one of &quot;&quot;, S, P</source>
      <translation>Skip“%1”不是 &quot;&quot;、S、P 之一</translation>
    </message>
    <message>
      <source>Skipped line %1: %2</source>
      <translation>跳过第 %1 行：%2</translation>
    </message>
    <message>
      <source>Tone &quot;%1&quot; is not a tone mode this radio can hold</source>
      <translation>Tone“%1”不是本机能保存的亚音方式</translation>
    </message>
    <message>
      <source>a channel list of multi-radio programs</source>
      <translation>多机型写频软件的信道列表</translation>
    </message>
    <message>
      <source>a channel without Rx Frequency has other cells filled in</source>
      <translation>没有接收频率的信道填写了其他单元格</translation>
    </message>
    <message>
      <source>a repeater directory (%1)</source>
      <translation>中继台目录（%1）</translation>
    </message>
    <message>
      <source>carriage return outside quotes</source>
      <translation>引号外有回车符</translation>
    </message>
    <message>
      <source>channel %1 is already listed on line %2</source>
      <translation>信道 %1 已在第 %2 行列出</translation>
    </message>
    <message>
      <source>channel number &quot;%1&quot; is not 1 to 199</source>
      <translation>信道号“%1”不在 1 到 199 之间</translation>
    </message>
    <message>
      <source>expected %1 fields, found %2</source>
      <translation>应有 %1 个字段，实有 %2 个</translation>
    </message>
    <message>
      <source>field %1 holds &quot;%2&quot;, but the header names only %3 columns</source>
      <translation>第 %1 个字段含有“%2”，但表头只有 %3 列</translation>
    </message>
    <message>
      <source>no channel is left for this row after channel 199</source>
      <translation>信道 199 之后没有信道可放这一行</translation>
    </message>
    <message>
      <source>quote inside an unquoted field</source>
      <translation>未加引号的字段中有引号</translation>
    </message>
    <message>
      <source>quoted field is never closed</source>
      <translation>带引号的字段没有结束</translation>
    </message>
    <message>
      <source>text after the closing quote of a field</source>
      <translation>字段的结束引号后还有文字</translation>
    </message>
    <message>
      <source>the columns %1 hold frequencies, offsets or tones, but the header matches no channel list this program reads, so it does not guess what they mean; name them as a list it reads does (see the help)</source>
      <translation>列 %1 含有频率、频差或亚音，但表头不是本程序能读的任何信道列表，程序不猜测它们的含义；请按能读的信道列表为这些列命名（见帮助）</translation>
    </message>
    <message>
      <source>the header must name the columns %1, each once, in any order</source>
      <translation>表头须列出 %1 各列，每列一次，顺序不限</translation>
    </message>
    <message>
      <source>the header names no channel list this program reads: its own (%1), a list of multi-radio programs (Location, Frequency, Duplex, Offset, Tone, ...) or a repeater directory (Frequency, Input Freq, Uplink Tone, ...)</source>
      <translation>表头不是本程序能读的信道列表：本程序自己的（%1）、多机型写频软件的（Location, Frequency, Duplex, Offset, Tone, ...）或中继台目录（Frequency, Input Freq, Uplink Tone, ...）</translation>
    </message>
    <message>
      <source>this program&apos;s channel list</source>
      <translation>本程序的信道列表</translation>
    </message>
  </context>
</TS>
