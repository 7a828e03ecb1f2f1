// Placeholder until the serial port lands.
namespace selkan {}
