// Built into the readers' tests, which link no driver library of their own.
#include "tests/support/dialog_driver.cpp"
