#include "CPinto2Doc.h"

CPinto2Doc::CPinto2Doc(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Pinto2.Document"));
}
