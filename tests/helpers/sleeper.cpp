// sleeper.exe: a windowless program that never ends on its own. Tests copy
// it under the product's executable name to stand for a running product.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Sleep(INFINITE);
  return 0;
}
