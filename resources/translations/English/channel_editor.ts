<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::CSelkanView</name>
    <message>
      <source>Cell Edit</source>
      <translation>Cell Edit</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>Read</translation>
    </message>
  </context>
  <context>
    <name>selkan::ChannelCommands</name>
    <message>
      <source>Cut</source>
      <translation>Cut</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Delete</translation>
    </message>
    <message>
      <source>Paste</source>
      <translation>Paste</translation>
    </message>
    <message>
      <source>Insert Channel</source>
      <translation>Insert Channel</translation>
    </message>
    <message>
      <source>Delete Channel</source>
      <translation>Delete Channel</translation>
    </message>
    <message>
      <source>Move Up</source>
      <translation>Move Up</translation>
    </message>
    <message>
      <source>Move Down</source>
      <translation>Move Down</translation>
    </message>
    <message>
      <source>Channel 199 is in use: no channel can be inserted before it is deleted.</source>
      <translation>Channel 199 is in use: no channel can be inserted before it is deleted.</translation>
    </message>
    <message>
      <source>Channels %1 to 199 are not all empty: %2 channels cannot be inserted before they are deleted.</source>
      <translation>Channels %1 to 199 are not all empty: %2 channels cannot be inserted before they are deleted.</translation>
    </message>
    <message>
      <source>These values were not entered:</source>
      <translation>These values were not entered:</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... and %1 more</translation>
    </message>
    <message>
      <source>not a tone of the list</source>
      <translation>not a tone of the list</translation>
    </message>
    <message>
      <source>not a choice of this column</source>
      <translation>not a choice of this column</translation>
    </message>
    <message>
      <source>the channel has no Rx Frequency</source>
      <translation>the channel has no Rx Frequency</translation>
    </message>
    <message numerus="yes">
      <source>%n value(s) below channel 199</source>
      <translation>
        <numerusform>%n value below channel 199</numerusform>
        <numerusform>%n values below channel 199</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n value(s) right of the last column</source>
      <translation>
        <numerusform>%n value right of the last column</numerusform>
        <numerusform>%n values right of the last column</numerusform>
      </translation>
    </message>
    <message>
      <source>Channel %1, %2 "%3": %4</source>
      <translation>Channel %1, %2 "%3": %4</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Undo</translation>
    </message>
    <message>
      <source>Undo the last change</source>
      <translation>Undo the last change</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Redo</translation>
    </message>
    <message>
      <source>Redo the change undone last</source>
      <translation>Redo the change undone last</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>Cu&amp;t</translation>
    </message>
    <message>
      <source>Cut the selected cells to the clipboard</source>
      <translation>Cut the selected cells to the clipboard</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copy</translation>
    </message>
    <message>
      <source>Copy the selected cells to the clipboard</source>
      <translation>Copy the selected cells to the clipboard</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Paste</translation>
    </message>
    <message>
      <source>Paste cells from the clipboard</source>
      <translation>Paste cells from the clipboard</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Delete</translation>
    </message>
    <message>
      <source>Clear the selected cells</source>
      <translation>Clear the selected cells</translation>
    </message>
    <message>
      <source>Select &amp;All</source>
      <translation>Select &amp;All</translation>
    </message>
    <message>
      <source>Select every channel</source>
      <translation>Select every channel</translation>
    </message>
    <message>
      <source>&amp;Insert Empty Channel</source>
      <translation>&amp;Insert Empty Channel</translation>
    </message>
    <message>
      <source>Insert empty channels; the channels below move down</source>
      <translation>Insert empty channels; the channels below move down</translation>
    </message>
    <message>
      <source>Delete C&amp;hannel</source>
      <translation>Delete C&amp;hannel</translation>
    </message>
    <message>
      <source>Delete the selected channels; the channels below move up</source>
      <translation>Delete the selected channels; the channels below move up</translation>
    </message>
    <message>
      <source>Mo&amp;ve Up</source>
      <translation>Mo&amp;ve Up</translation>
    </message>
    <message>
      <source>Move the selected channels up by one</source>
      <translation>Move the selected channels up by one</translation>
    </message>
    <message>
      <source>Move Do&amp;wn</source>
      <translation>Move Do&amp;wn</translation>
    </message>
    <message>
      <source>Move the selected channels down by one</source>
      <translation>Move the selected channels down by one</translation>
    </message>
    <message>
      <source>&amp;Import Channels...</source>
      <translation>&amp;Import Channels...</translation>
    </message>
    <message>
      <source>Put the channels of a CSV channel list into the document</source>
      <translation>Put the channels of a CSV channel list into the document</translation>
    </message>
    <message>
      <source>&amp;Export Channels...</source>
      <translation>&amp;Export Channels...</translation>
    </message>
    <message>
      <source>Write the channels as a CSV channel list</source>
      <translation>Write the channels as a CSV channel list</translation>
    </message>
    <message>
      <source>&amp;Undo %1</source>
      <translation>&amp;Undo %1</translation>
    </message>
    <message>
      <source>&amp;Redo %1</source>
      <translation>&amp;Redo %1</translation>
    </message>
    <message>
      <source>Import Channels</source>
      <translation>Import Channels</translation>
    </message>
    <message>
      <source>Export Channels</source>
      <translation>Export Channels</translation>
    </message>
    <message>
      <source>Channel List (*.csv)</source>
      <translation>Channel List (*.csv)</translation>
    </message>
    <message>
      <source>%1 is too large to be a channel list.</source>
      <translation>%1 is too large to be a channel list.</translation>
    </message>
    <message>
      <source>No channel was imported. These lines cannot be taken:</source>
      <translation>No channel was imported. These lines cannot be taken:</translation>
    </message>
    <message>
      <source>... and %1 more</source>
      <translation>... and %1 more</translation>
    </message>
    <message>
      <source>Optional Features</source>
      <translation>Optional Features</translation>
    </message>
    <message>
      <source>Product Information</source>
      <translation>Product Information</translation>
    </message>
  </context>
  <context>
    <name>FilePrompt</name>
    <message>
      <source>All Files (*)</source>
      <translation>All Files (*)</translation>
    </message>
  </context>
</TS>
