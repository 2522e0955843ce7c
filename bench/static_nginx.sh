# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the load scripts: nginx serving the static folder WORK/static on
# 127.0.0.1:PORT, two workers as the site has two cores, its own files under
# WORK/nginx; its process id is added to the caller's `pids`.
#   start_static_nginx WORK PORT
start_static_nginx() {
  local work=$1 port=$2 user_line=""
  mkdir -p "$work/static" "$work/nginx"
  [ "$(id -u)" -eq 0 ] && user_line="user root;"
  cat >"$work/nginx/nginx.conf" <<CONF
$user_line
worker_processes 2;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
events { worker_connections 4096; }
http {
  access_log off;
  client_body_temp_path $work/nginx/body;
  proxy_temp_path $work/nginx/proxy;
  fastcgi_temp_path $work/nginx/fastcgi;
  uwsgi_temp_path $work/nginx/uwsgi;
  scgi_temp_path $work/nginx/scgi;
  default_type text/html;
  server { listen 127.0.0.1:$port; root $work/static; }
}
CONF
  setsid nginx -c "$work/nginx/nginx.conf" -g 'daemon off;' &
  pids+=($!)
  sleep 0.5
}
