#include "TinyTest.h"

int main()
{
    return tiny::RunAll();
}
