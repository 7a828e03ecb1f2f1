// Document dialogs (being built).
namespace selkan {}
