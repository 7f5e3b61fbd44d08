// The floor of starting a process: a statically linked program that does nothing.
int main() {
    return 0;
}
