// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRunner.h"

#include <QProcess>
#include <QStringList>
#include <stdexcept>

#include "FileLayer.h"
#include "SampleLibrary.h"

TProgramRun runZblProgram(const std::vector<std::string>& aArgs) {
  QStringList args;
  for (const std::string& arg : aArgs) args << QString::fromStdString(arg);
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(QStringLiteral(ZBL_PROGRAM), args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    throw std::runtime_error("zbl did not run to its end");
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

std::vector<std::uint8_t> readBytes(const std::string& aFile) { return readWholeFile(aFile); }

void writeText(const std::string& aFile, const std::string& aText) {
  writeBytesToFile(aFile, std::vector<std::uint8_t>(aText.begin(), aText.end()));
}
