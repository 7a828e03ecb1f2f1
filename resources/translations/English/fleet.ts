<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
  <context>
    <name>selkan::FleetText</name>
    <message>
      <source>verified</source>
      <translation>verified</translation>
    </message>
    <message>
      <source>written</source>
      <translation>written</translation>
    </message>
    <message>
      <source>wrong type</source>
      <translation>wrong type</translation>
    </message>
    <message>
      <source>verify failed: %1</source>
      <translation>verify failed: %1</translation>
    </message>
    <message>
      <source>verify failed: %1; %2 more</source>
      <translation>verify failed: %1; %2 more</translation>
    </message>
    <message>
      <source>backup not kept (%1); nothing written</source>
      <translation>backup not kept (%1); nothing written</translation>
    </message>
    <message>
      <source>written; no answer after the wake-up for the verify</source>
      <translation>written; no answer after the wake-up for the verify</translation>
    </message>
    <message>
      <source>no answer after the wake-up</source>
      <translation>no answer after the wake-up</translation>
    </message>
    <message>
      <source>written; the port could not be opened for the verify</source>
      <translation>written; the port could not be opened for the verify</translation>
    </message>
    <message>
      <source>the port could not be opened; nothing written</source>
      <translation>the port could not be opened; nothing written</translation>
    </message>
    <message>
      <source>broke off at block %1 of %2</source>
      <translation>broke off at block %1 of %2</translation>
    </message>
    <message>
      <source>written; the verify read broke off</source>
      <translation>written; the verify read broke off</translation>
    </message>
    <message>
      <source>the backup read broke off; nothing written</source>
      <translation>the backup read broke off; nothing written</translation>
    </message>
    <message>
      <source>broke off at block %1 of %2 (stopped)</source>
      <translation>broke off at block %1 of %2 (stopped)</translation>
    </message>
    <message>
      <source>written; stopped during the verify</source>
      <translation>written; stopped during the verify</translation>
    </message>
    <message>
      <source>stopped; nothing written</source>
      <translation>stopped; nothing written</translation>
    </message>
    <message>
      <source>Radio %1 done</source>
      <translation>Radio %1 done</translation>
    </message>
    <message>
      <source>Radio %1 verified in %2 s</source>
      <translation>Radio %1 verified in %2 s</translation>
    </message>
    <message>
      <source>Radio %1 written in %2 s</source>
      <translation>Radio %1 written in %2 s</translation>
    </message>
    <message>
      <source>Radio %1 is of another type (%2)</source>
      <translation>Radio %1 is of another type (%2)</translation>
    </message>
    <message>
      <source>Radio %1 failed</source>
      <translation>Radio %1 failed</translation>
    </message>
    <message>
      <source>Connect a radio and turn it on</source>
      <translation>Connect a radio and turn it on</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: reading it into a backup</source>
      <translation>Radio %1, step %2 of %3: reading it into a backup</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: writing it</source>
      <translation>Radio %1, step %2 of %3: writing it</translation>
    </message>
    <message>
      <source>Radio %1, step %2 of %3: reading it back to verify it</source>
      <translation>Radio %1, step %2 of %3: reading it back to verify it</translation>
    </message>
    <message>
      <source>%1 — remove it</source>
      <translation>%1 — remove it</translation>
    </message>
    <message>
      <source>%1 — connect the next radio and press Next Radio</source>
      <translation>%1 — connect the next radio and press Next Radio</translation>
    </message>
    <message>
      <source>The port could not be opened</source>
      <translation>The port could not be opened</translation>
    </message>
    <message>
      <source>Stopped</source>
      <translation>Stopped</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Done</translation>
    </message>
    <message>
      <source>Stopped. Radios: %1, verified: %2, failed: %3</source>
      <translation>Stopped. Radios: %1, verified: %2, failed: %3</translation>
    </message>
    <message>
      <source>Stopped. Radios: %1, written: %2, failed: %3</source>
      <translation>Stopped. Radios: %1, written: %2, failed: %3</translation>
    </message>
    <message>
      <source>Finished. Radios: %1, verified: %2, failed: %3</source>
      <translation>Finished. Radios: %1, verified: %2, failed: %3</translation>
    </message>
    <message>
      <source>Finished. Radios: %1, written: %2, failed: %3</source>
      <translation>Finished. Radios: %1, written: %2, failed: %3</translation>
    </message>
    <message>
      <source>No port could be opened</source>
      <translation>No port could be opened</translation>
    </message>
    <message>
      <source>Stopping...</source>
      <translation>Stopping...</translation>
    </message>
    <message>
      <source>Connect radios and turn them on</source>
      <translation>Connect radios and turn them on</translation>
    </message>
    <message>
      <source>Radio %1: connect it and turn it on</source>
      <translation>Radio %1: connect it and turn it on</translation>
    </message>
  </context>
  <context>
    <name>selkan::CFleetDlg</name>
    <message>
      <source>Program Several Radios</source>
      <translation>Program Several Radios</translation>
    </message>
    <message>
      <source>Every radio gets the document as it is when Start is pressed: later edits of the document do not reach the radios of a run already started.</source>
      <translation>Every radio gets the document as it is when Start is pressed: later edits of the document do not reach the radios of a run already started.</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Options</translation>
    </message>
    <message>
      <source>&amp;Back up each radio first</source>
      <translation>&amp;Back up each radio first</translation>
    </message>
    <message>
      <source>&amp;Verify each radio after writing</source>
      <translation>&amp;Verify each radio after writing</translation>
    </message>
    <message>
      <source>S&amp;top after a radio that failed</source>
      <translation>S&amp;top after a radio that failed</translation>
    </message>
    <message>
      <source>The radios stay &amp;connected: wait for Next Radio, not for removal</source>
      <translation>The radios stay &amp;connected: wait for Next Radio, not for removal</translation>
    </message>
    <message>
      <source>until stopped</source>
      <translation>until stopped</translation>
    </message>
    <message>
      <source>&amp;Radios to program:</source>
      <translation>&amp;Radios to program:</translation>
    </message>
    <message>
      <source>Ports</source>
      <translation>Ports</translation>
    </message>
    <message>
      <source>Choose the ports, connect the first radio and press Start.</source>
      <translation>Choose the ports, connect the first radio and press Start.</translation>
    </message>
    <message>
      <source>No.</source>
      <translation>No.</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>Started</translation>
    </message>
    <message>
      <source>Seconds</source>
      <translation>Seconds</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Port</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Result</translation>
    </message>
    <message>
      <source>Backup</source>
      <translation>Backup</translation>
    </message>
    <message>
      <source>&amp;Start</source>
      <translation>&amp;Start</translation>
    </message>
    <message>
      <source>Sto&amp;p</source>
      <translation>Sto&amp;p</translation>
    </message>
    <message>
      <source>&amp;Next Radio</source>
      <translation>&amp;Next Radio</translation>
    </message>
    <message>
      <source>Save &amp;Log...</source>
      <translation>Save &amp;Log...</translation>
    </message>
    <message>
      <source>Document: %1</source>
      <translation>Document: %1</translation>
    </message>
    <message>
      <source>No document is open.</source>
      <translation>No document is open.</translation>
    </message>
    <message>
      <source>Choose a port to program on.</source>
      <translation>Choose a port to program on.</translation>
    </message>
    <message>
      <source>%1 is the same device as another port chosen.</source>
      <translation>%1 is the same device as another port chosen.</translation>
    </message>
    <message>
      <source>Wait until the transfer has ended, or cancel it.</source>
      <translation>Wait until the transfer has ended, or cancel it.</translation>
    </message>
    <message>
      <source>The log of the run cannot be written:
%1</source>
      <translation>The log of the run cannot be written:
%1</translation>
    </message>
    <message>
      <source>Log: %1</source>
      <translation>Log: %1</translation>
    </message>
    <message>
      <source>The log could not be written:
%1</source>
      <translation>The log could not be written:
%1</translation>
    </message>
    <message>
      <source>Save Log</source>
      <translation>Save Log</translation>
    </message>
    <message>
      <source>Log (*.csv)</source>
      <translation>Log (*.csv)</translation>
    </message>
    <message>
      <source>The log %1 cannot be read.</source>
      <translation>The log %1 cannot be read.</translation>
    </message>
    <message>
      <source>Radios are being programmed. Stop, and close the window once the run has ended?
A radio being written is broken off and logged so.</source>
      <translation>Radios are being programmed. Stop, and close the window once the run has ended?
A radio being written is broken off and logged so.</translation>
    </message>
  </context>
  <context>
    <name>selkan::CTransferController</name>
    <message>
      <source>Several radios are being programmed. Wait until that has ended, or stop it.</source>
      <translation>Several radios are being programmed. Wait until that has ended, or stop it.</translation>
    </message>
  </context>
</TS>
