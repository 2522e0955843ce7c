-- SPDX-License-Identifier: GPL-3.0-or-later
-- wrk: each request asks for a random page of the record table, 1 to PAGES.
local pages = tonumber(os.getenv("PAGES") or "2000")
math.randomseed(os.time())
request = function()
  return wrk.format("GET", "/letterama/?Language=1&pagina=" .. math.random(1, pages))
end
