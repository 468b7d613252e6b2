#pragma once
// This platform's automation servers: the spreadsheet on .xlsx workbooks, the
// word processor on .docx documents, the data-access objects on ODBC.

#include <memory>

#include "platform/automation/OfficeAutomation.h"

namespace platform::automation {

std::shared_ptr<AutomationObject> NewXlsxSpreadsheet();
std::shared_ptr<AutomationObject> NewDocxWordProcessor();
std::shared_ptr<AutomationObject> NewOdbcConnection();
std::shared_ptr<AutomationObject> NewOdbcRecordset();

// The ODBC connection string for an ADO one: a desktop-database driver with
// DBQ=<file> becomes the driver that reads that file; others pass unchanged.
std::string OdbcConnectionString(const std::string& AdoConnectionString);

}  // namespace platform::automation
