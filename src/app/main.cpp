// Placeholder entry point until the start-up procedure lands.
int main() { return 1; }
