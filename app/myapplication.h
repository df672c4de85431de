#pragma once
// The program's application object: a single-instance application whose
// destruction releases what start-up made (options file, named mutex,
// edition data), also when start-up ends early.

#include "qtsingleapplication.h"

class MyApplication : public QtSingleApplication
{
    Q_OBJECT
public:
    MyApplication(const QString &appId, int &argc, char **argv);
    ~MyApplication() override;
};
