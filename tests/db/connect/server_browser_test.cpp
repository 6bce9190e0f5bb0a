#include "db/connect/server_browser.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

std::string Reply(const std::string& text) {
  std::string datagram = "\x05";
  datagram += static_cast<char>(text.size() & 0xFF);
  datagram += static_cast<char>(text.size() >> 8);
  return datagram + text;
}

TEST(ServerBrowser, ParsesBrowserReplies) {
  const std::string two =
      "ServerName;DBHOST;InstanceName;MSSQLSERVER;IsClustered;No;Version;15.0.2000.5;tcp;1433;;"
      "ServerName;DBHOST;InstanceName;SQLEXPRESS;IsClustered;No;Version;16.0.1000.6;np;\\\\DBHOST"
      "\\pipe\\MSSQL$SQLEXPRESS\\sql\\query;;";
  const auto instances = ServerBrowser::ParseReply(Reply(two));
  ASSERT_EQ(2u, instances.size());
  EXPECT_EQ("DBHOST", instances[0].Name());
  EXPECT_EQ("1433", instances[0].tcpPort);
  EXPECT_EQ("15.0.2000.5", instances[0].version);
  EXPECT_EQ("DBHOST\\SQLEXPRESS", instances[1].Name());
  EXPECT_EQ("", instances[1].tcpPort);

  // A datagram shorter than its length field is read as far as it goes; a record without a
  // server name is dropped.
  const std::string cut = Reply("ServerName;A;InstanceName;MSSQLSERVER;;ServerName;B;;");
  ASSERT_EQ(1u, ServerBrowser::ParseReply(cut.substr(0, 3) + cut.substr(3, 37)).size());
  EXPECT_EQ(1u, ServerBrowser::ParseReply(Reply("InstanceName;X;;ServerName;C;;")).size());
  // Not a reply at all.
  EXPECT_TRUE(ServerBrowser::ParseReply("").empty());
  EXPECT_TRUE(ServerBrowser::ParseReply("\x04\x02\x00;;").empty());
  EXPECT_TRUE(ServerBrowser::ParseReply(std::string("\x05\xFF\xFF", 3)).empty());
}

TEST(ServerBrowser, ListsOnlyNamesThatResolve) {
  EXPECT_EQ("localhost(127.0.0.1)", ServerBrowser::ListEntry("localhost"));
  EXPECT_EQ("localhost\\SQLEXPRESS(127.0.0.1)", ServerBrowser::ListEntry("localhost\\SQLEXPRESS"));
  EXPECT_EQ("", ServerBrowser::ListEntry("no-such-host.invalid"));
  const auto found = ServerBrowser::Discover(200);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(0u, found[0].find(ServerBrowser::LocalName() + "("));
}

}  // namespace
}  // namespace tablora
