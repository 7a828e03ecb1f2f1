// Shared helpers of the test folders.
namespace selkan::test {}
