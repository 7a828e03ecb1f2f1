// Channel view (being built).
namespace selkan {}
