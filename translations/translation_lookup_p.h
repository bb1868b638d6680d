#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>
#include <QtCore/QTranslator>

namespace vx {

// Where the plugin and the console both look for a translation: in
// "translations" beside the running program (a build tree, or a host that
// ships its own copy), else in the installation's data folder, which each
// finds from its own file. False when neither has it: texts read as written.
inline bool load_translation(QTranslator &translator, const QString &file, const QString &installed_dir)
{
    const QString beside_program = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    return translator.load(file, beside_program, QString(), QString()) ||
           (!installed_dir.isEmpty() && translator.load(file, installed_dir, QString(), QString()));
}

} // namespace vx
