#pragma once

#include <QString>
#include <cstdint>

namespace zrk {

class ConsoleContext;

inline const QString kRegistryProgId = QStringLiteral("CoreObjects.Registry");
inline const QString kInstallKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\QUORVEL\\ZRKPRODUCT");
inline const QString kSchemeFileName = QStringLiteral("ZRKBaseScheme.ini");
inline const QString kDefaultProductTitle = QStringLiteral("QuorvelZRKNimbra老板报表");
inline const QString kUnknownEdition = QStringLiteral("Version Unknown");

struct SchemeInfo {
    std::int32_t appType;
    QString appName;
    bool oem;
    QString iconPath;
};

struct Industry {
    std::int16_t id;
    QString name;
    std::int16_t demo;
};

// The suite's installation folder from the machine registry, read anew at each call; "" when
// it is not recorded.
QString getInstallDir(ConsoleContext& ctx);

// The installation's Common folder, ending in the separator. Without an installation folder it
// is the Common folder at the root.
QString getCommonDir(ConsoleContext& ctx);

// One value of the scheme file (private-profile rules; the default when missing or unreadable).
QString readSchemeValue(const QString& filePath, const QString& section, const QString& key,
                        const QString& defaultValue);

// The edition number; the first call also reads the branding and marks the scheme loaded.
std::int32_t getAppType(ConsoleContext& ctx);
SchemeInfo getSchemeInfo(ConsoleContext& ctx);
Industry getIndustry(ConsoleContext& ctx);
std::int32_t getHangYeType(ConsoleContext& ctx);

// The industry name of an industry installation, else the product's own title.
QString getProductTitle(ConsoleContext& ctx);

// The edition's name by number; "Version Unknown" for a number without one.
QString getEditionName(std::int32_t appType);

// The path with one separator appended when it lacks one; "" for a blank path. A path written
// with "\" (a Windows path) gets "\", any other the platform's separator.
QString addBackslash(const QString& path);

} // namespace zrk
