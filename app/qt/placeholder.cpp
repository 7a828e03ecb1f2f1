// Shell classes of the desktop program (being built).
namespace selkan {}
