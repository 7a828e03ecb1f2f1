<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Append</source>
      <translation>&amp;Append</translation>
    </message>
    <message>
      <source>&amp;From Channel %1</source>
      <translation>&amp;From Channel %1</translation>
    </message>
    <message>
      <source>&amp;Import %1</source>
      <translation>&amp;Import %1</translation>
    </message>
    <message>
      <source>&amp;Replace All</source>
      <translation>&amp;Replace All</translation>
    </message>
    <message>
      <source>Append: after channel %1, the last in use.</source>
      <translation>Append: after channel %1, the last in use.</translation>
    </message>
    <message>
      <source>Append: from channel 1 on, as no channel is in use.</source>
      <translation>Append: from channel 1 on, as no channel is in use.</translation>
    </message>
    <message>
      <source>From Channel %1: from the first selected channel on, over the channels there.</source>
      <translation>From Channel %1: from the first selected channel on, over the channels there.</translation>
    </message>
    <message>
      <source>Import the rows that fit and skip the others?</source>
      <translation>Import the rows that fit and skip the others?</translation>
    </message>
    <message>
      <source>Replace All: the list holds the file&apos;s channels and no others.</source>
      <translation>Replace All: the list holds the file&apos;s channels and no others.</translation>
    </message>
    <message>
      <source>Replace all channels? The %1 channels in use now are replaced by those of %2.</source>
      <translation>Replace all channels? The %1 channels in use now are replaced by those of %2.</translation>
    </message>
    <message>
      <source>Replace all channels? The channel in use now is replaced by those of %1.</source>
      <translation>Replace all channels? The channel in use now is replaced by those of %1.</translation>
    </message>
    <message>
      <source>Rows that fit: %1. Rows that do not fit: %2:</source>
      <translation>Rows that fit: %1. Rows that do not fit: %2:</translation>
    </message>
    <message>
      <source>Where do the channels of %1 go?</source>
      <translation>Where do the channels of %1 go?</translation>
    </message>
  </context>
  <context>
    <name>selkan::ImportMessages</name>
    <message>
      <source>%1 &quot;%2&quot; has no sign: write +%2 for an input above the output, -%2 for one below</source>
      <translation>%1 &quot;%2&quot; has no sign: write +%2 for an input above the output, -%2 for one below</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a DQT code of the tone table</source>
      <translation>%1 &quot;%2&quot; is not a DQT code of the tone table</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a QT tone of the tone table</source>
      <translation>%1 &quot;%2&quot; is not a QT tone of the tone table</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a QT tone or DQT code of the tone table</source>
      <translation>%1 &quot;%2&quot; is not a QT tone or DQT code of the tone table</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a frequency in MHz</source>
      <translation>%1 &quot;%2&quot; is not a frequency in MHz</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot; is not a number of MHz</source>
      <translation>%1 &quot;%2&quot; is not a number of MHz</translation>
    </message>
    <message>
      <source>%1 &quot;%2&quot;: %3</source>
      <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
      <source>Channels imported: %1, into channels %2 to %3.</source>
      <translation>Channels imported: %1, into channels %2 to %3.</translation>
    </message>
    <message>
      <source>Channels imported: %1.</source>
      <translation>Channels imported: %1.</translation>
    </message>
    <message>
      <source>Columns ignored: %1.</source>
      <translation>Columns ignored: %1.</translation>
    </message>
    <message>
      <source>CrossMode &quot;%1&quot; is not one this radio can hold</source>
      <translation>CrossMode &quot;%1&quot; is not one this radio can hold</translation>
    </message>
    <message>
      <source>DtcsPolarity &quot;%1&quot; is not two letters N or R</source>
      <translation>DtcsPolarity &quot;%1&quot; is not two letters N or R</translation>
    </message>
    <message>
      <source>Duplex &quot;%1&quot; is not one of &quot;&quot;, +, -, split, off</source>
      <translation>Duplex &quot;%1&quot; is not one of &quot;&quot;, +, -, split, off</translation>
    </message>
    <message>
      <source>Duplex %1 with Offset &quot;%2&quot; gives no Tx frequency</source>
      <translation>Duplex %1 with Offset &quot;%2&quot; gives no Tx frequency</translation>
    </message>
    <message>
      <source>Duplex split needs the Tx frequency as Offset</source>
      <translation>Duplex split needs the Tx frequency as Offset</translation>
    </message>
    <message>
      <source>Location %1 → channel %2</source>
      <translation>Location %1 → channel %2</translation>
    </message>
    <message>
      <source>Locations %1 to %2 → channels %3 to %4</source>
      <translation>Locations %1 to %2 → channels %3 to %4</translation>
    </message>
    <message>
      <source>Mode &quot;%1&quot;: the radio works in FM (Wide) and NFM (Narrow) only</source>
      <translation>Mode &quot;%1&quot;: the radio works in FM (Wide) and NFM (Narrow) only</translation>
    </message>
    <message>
      <source>Power &quot;%1&quot; is neither a power level nor watts</source>
      <translation>Power &quot;%1&quot; is neither a power level nor watts</translation>
    </message>
    <message>
      <source>Read as %1.</source>
      <translation>Read as %1.</translation>
    </message>
    <message>
      <source>Renumbered, as not every Location is a channel 1 to 199:</source>
      <translation>Renumbered, as not every Location is a channel 1 to 199:</translation>
    </message>
    <message>
      <source>Skip &quot;%1&quot; is not one of &quot;&quot;, S, P</source>
      <translation>Skip &quot;%1&quot; is not one of &quot;&quot;, S, P</translation>
    </message>
    <message>
      <source>Skipped line %1: %2</source>
      <translation>Skipped line %1: %2</translation>
    </message>
    <message>
      <source>Tone &quot;%1&quot; is not a tone mode this radio can hold</source>
      <translation>Tone &quot;%1&quot; is not a tone mode this radio can hold</translation>
    </message>
    <message>
      <source>a channel list of multi-radio programs</source>
      <translation>a channel list of multi-radio programs</translation>
    </message>
    <message>
      <source>a channel without Rx Frequency has other cells filled in</source>
      <translation>a channel without Rx Frequency has other cells filled in</translation>
    </message>
    <message>
      <source>a repeater directory (%1)</source>
      <translation>a repeater directory (%1)</translation>
    </message>
    <message>
      <source>carriage return outside quotes</source>
      <translation>carriage return outside quotes</translation>
    </message>
    <message>
      <source>channel %1 is already listed on line %2</source>
      <translation>channel %1 is already listed on line %2</translation>
    </message>
    <message>
      <source>channel number &quot;%1&quot; is not 1 to 199</source>
      <translation>channel number &quot;%1&quot; is not 1 to 199</translation>
    </message>
    <message>
      <source>expected %1 fields, found %2</source>
      <translation>expected %1 fields, found %2</translation>
    </message>
    <message>
      <source>field %1 holds &quot;%2&quot;, but the header names only %3 columns</source>
      <translation>field %1 holds &quot;%2&quot;, but the header names only %3 columns</translation>
    </message>
    <message>
      <source>no channel is left for this row after channel 199</source>
      <translation>no channel is left for this row after channel 199</translation>
    </message>
    <message>
      <source>quote inside an unquoted field</source>
      <translation>quote inside an unquoted field</translation>
    </message>
    <message>
      <source>quoted field is never closed</source>
      <translation>quoted field is never closed</translation>
    </message>
    <message>
      <source>text after the closing quote of a field</source>
      <translation>text after the closing quote of a field</translation>
    </message>
    <message>
      <source>the columns %1 hold frequencies, offsets or tones, but the header matches no channel list this program reads, so it does not guess what they mean; name them as a list it reads does (see the help)</source>
      <translation>the columns %1 hold frequencies, offsets or tones, but the header matches no channel list this program reads, so it does not guess what they mean; name them as a list it reads does (see the help)</translation>
    </message>
    <message>
      <source>the header must name the columns %1, each once, in any order</source>
      <translation>the header must name the columns %1, each once, in any order</translation>
    </message>
    <message>
      <source>the header names no channel list this program reads: its own (%1), a list of multi-radio programs (Location, Frequency, Duplex, Offset, Tone, ...) or a repeater directory (Frequency, Input Freq, Uplink Tone, ...)</source>
      <translation>the header names no channel list this program reads: its own (%1), a list of multi-radio programs (Location, Frequency, Duplex, Offset, Tone, ...) or a repeater directory (Frequency, Input Freq, Uplink Tone, ...)</translation>
    </message>
    <message>
      <source>this program&apos;s channel list</source>
      <translation>this program&apos;s channel list</translation>
    </message>
  </context>
</TS>
