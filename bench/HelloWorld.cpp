// SPDX-License-Identifier: MIT
// The floor of the plain-command benchmark: a C++ program that prints one line.

#include <iostream>

int main()
{
    std::cout << "hello, world\n";
}
