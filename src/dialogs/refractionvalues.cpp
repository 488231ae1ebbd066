#include "dialogs/refractionvalues.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex &valuesMutex()
{
    static QMutex mutex;
    return mutex;
}

RefractionValues &sharedValues()
{
    static RefractionValues values;
    return values;
}

} // namespace

double RefractionValues::pressureKPa() const
{
    if (P_unit == QLatin1String("hPa"))
        return double(P) / 10.0;
    return double(P);
}

RefractionValues refractionValues()
{
    QMutexLocker lock(&valuesMutex());
    return sharedValues();
}

void setRefractionValues(const RefractionValues &values)
{
    QMutexLocker lock(&valuesMutex());
    sharedValues() = values;
}

void updateRefractionValues(const std::function<void(RefractionValues &)> &change)
{
    QMutexLocker lock(&valuesMutex());
    change(sharedValues());
}
