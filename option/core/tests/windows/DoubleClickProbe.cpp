// Ends with the system's double-click time as its exit code. A process of
// its own reads the time fresh, where the test process may hold its own
// cached copy.
#include <windows.h>

int main() { return static_cast<int>(GetDoubleClickTime()); }
