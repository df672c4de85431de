// The target that holds the tests' precompiled Qt headers.
int main() { return 0; }
