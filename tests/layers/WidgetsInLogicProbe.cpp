// Built only by the test that expects this to fail: logic code may not use widgets.
#include <QtWidgets/QWidget>

int probe()
{
    return sizeof(QWidget);
}
