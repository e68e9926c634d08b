#include "factory.h"

#include "wordprocessor/libreoffice.h"

namespace wordprocessor {

std::shared_ptr<Application> createApplication()
{
    return createLibreOffice(systemEnvironment());
}

} // namespace wordprocessor
