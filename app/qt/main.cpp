// The desktop program starts here (being built).
int main() { return 0; }
