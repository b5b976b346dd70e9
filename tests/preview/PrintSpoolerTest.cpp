// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PrintSpooler.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

// Whether or not a scheduler runs, a queue that does not exist can neither be asked nor printed on,
// and both say why.
TEST(PrintSpooler, MissingQueueIsUnreachableAndRefusesJobs) {
    const QString missing = QStringLiteral("kf-no-such-queue");
    const preview::PrintQueueStatus status = preview::printQueueStatus(missing);
    EXPECT_EQ(status.state, preview::PrintQueueState::Unreachable);
    EXPECT_FALSE(status.reason.empty());

    QTemporaryFile document;
    ASSERT_TRUE(document.open());
    document.write("%PDF-1.4\n%%EOF\n");
    document.close();
    const auto refused = preview::spoolPdfFile(missing, document.fileName(), "kf", {});
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->empty());
}
