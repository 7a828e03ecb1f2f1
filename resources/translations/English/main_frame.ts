<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>FilePrompt</name>
    <message>
      <source>Selkan Document (*.dat)</source>
      <translation>Selkan Document (*.dat)</translation>
    </message>
  </context>
  <context>
    <name>selkan::CMainFrame</name>
    <message>
      <source>Selkan</source>
      <translation>Selkan</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>&amp;New</translation>
    </message>
    <message>
      <source>Create a new document</source>
      <translation>Create a new document</translation>
    </message>
    <message>
      <source>New</source>
      <translation>New</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Open...</translation>
    </message>
    <message>
      <source>Open an existing document</source>
      <translation>Open an existing document</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Open</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Close</translation>
    </message>
    <message>
      <source>Close the active document</source>
      <translation>Close the active document</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Save</translation>
    </message>
    <message>
      <source>Save the active document</source>
      <translation>Save the active document</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Save &amp;As...</source>
      <translation>Save &amp;As...</translation>
    </message>
    <message>
      <source>Save the active document with a new name</source>
      <translation>Save the active document with a new name</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Print...</translation>
    </message>
    <message>
      <source>Print the active document</source>
      <translation>Print the active document</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Print</translation>
    </message>
    <message>
      <source>Print Pre&amp;view</source>
      <translation>Print Pre&amp;view</translation>
    </message>
    <message>
      <source>Display full pages</source>
      <translation>Display full pages</translation>
    </message>
    <message>
      <source>P&amp;rint Setup...</source>
      <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
      <source>Change the printer and printing options</source>
      <translation>Change the printer and printing options</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>E&amp;xit</translation>
    </message>
    <message>
      <source>Quit the application; prompts to save documents</source>
      <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
      <source>&amp;Product Information</source>
      <translation>&amp;Product Information</translation>
    </message>
    <message>
      <source>&amp;Channel Information</source>
      <translation>&amp;Channel Information</translation>
    </message>
    <message>
      <source>&amp;Optional Features</source>
      <translation>&amp;Optional Features</translation>
    </message>
    <message>
      <source>&amp;Read</source>
      <translation>&amp;Read</translation>
    </message>
    <message>
      <source>Read Data From Radio</source>
      <translation>Read Data From Radio</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>Read</translation>
    </message>
    <message>
      <source>&amp;Write</source>
      <translation>&amp;Write</translation>
    </message>
    <message>
      <source>Write Data To Radio</source>
      <translation>Write Data To Radio</translation>
    </message>
    <message>
      <source>Write</source>
      <translation>Write</translation>
    </message>
    <message>
      <source>&amp;Toolbar</source>
      <translation>&amp;Toolbar</translation>
    </message>
    <message>
      <source>Show or hide the toolbar</source>
      <translation>Show or hide the toolbar</translation>
    </message>
    <message>
      <source>&amp;Status Bar</source>
      <translation>&amp;Status Bar</translation>
    </message>
    <message>
      <source>Show or hide the status bar</source>
      <translation>Show or hide the status bar</translation>
    </message>
    <message>
      <source>&amp;Control Bar</source>
      <translation>&amp;Control Bar</translation>
    </message>
    <message>
      <source>&amp;Com Setup</source>
      <translation>&amp;Com Setup</translation>
    </message>
    <message>
      <source>Wait until the transfer has ended, or cancel it.</source>
      <translation>Wait until the transfer has ended, or cancel it.</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Language</translation>
    </message>
    <message>
      <source>&amp;About Selkan...</source>
      <translation>&amp;About Selkan...</translation>
    </message>
    <message>
      <source>Display program information, version number and copyright</source>
      <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
      <source>About</source>
      <translation>About</translation>
    </message>
    <message>
      <source>Next Window</source>
      <translation>Next Window</translation>
    </message>
    <message>
      <source>Switch to the next window pane</source>
      <translation>Switch to the next window pane</translation>
    </message>
    <message>
      <source>Previous Window</source>
      <translation>Previous Window</translation>
    </message>
    <message>
      <source>Switch back to the previous window pane</source>
      <translation>Switch back to the previous window pane</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>&amp;Edit</source>
      <translation>&amp;Edit</translation>
    </message>
    <message>
      <source>&amp;Program</source>
      <translation>&amp;Program</translation>
    </message>
    <message>
      <source>&amp;View</source>
      <translation>&amp;View</translation>
    </message>
    <message>
      <source>&amp;Setup</source>
      <translation>&amp;Setup</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Toolbar</translation>
    </message>
    <message>
      <source>CAP</source>
      <translation>CAP</translation>
    </message>
    <message>
      <source>NUM</source>
      <translation>NUM</translation>
    </message>
    <message>
      <source>SCRL</source>
      <translation>SCRL</translation>
    </message>
    <message>
      <source>Ready</source>
      <translation>Ready</translation>
    </message>
    <message>
      <source>All data will be Cleared!</source>
      <translation>All data will be Cleared!</translation>
    </message>
    <message>
      <source>Cannot open the file %1.</source>
      <translation>Cannot open the file %1.</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Save As</translation>
    </message>
    <message>
      <source>Cannot save the file %1.</source>
      <translation>Cannot save the file %1.</translation>
    </message>
    <message>
      <source>Save changes to %1?</source>
      <translation>Save changes to %1?</translation>
    </message>
    <message>
      <source>The file %1 has been changed on disk since it was opened or saved here.</source>
      <translation>The file %1 has been changed on disk since it was opened or saved here.</translation>
    </message>
    <message>
      <source>Reload it?</source>
      <translation>Reload it?</translation>
    </message>
    <message>
      <source>Reload it? The changes not saved here are lost.</source>
      <translation>Reload it? The changes not saved here are lost.</translation>
    </message>
    <message>
      <source>&amp;Reload</source>
      <translation>&amp;Reload</translation>
    </message>
    <message>
      <source>&amp;Keep</source>
      <translation>&amp;Keep</translation>
    </message>
    <message>
      <source>Overwrite it with this document?</source>
      <translation>Overwrite it with this document?</translation>
    </message>
    <message>
      <source>&amp;Overwrite</source>
      <translation>&amp;Overwrite</translation>
    </message>
    <message>
      <source>Program &amp;Several Radios...</source>
      <translation>Program &amp;Several Radios...</translation>
    </message>
    <message>
      <source>Write the active document into radio after radio, each logged</source>
      <translation>Write the active document into radio after radio, each logged</translation>
    </message>
    <message>
      <source>Wait until the radios have been programmed, or stop the run.</source>
      <translation>Wait until the radios have been programmed, or stop the run.</translation>
    </message>
  </context>
</TS>
