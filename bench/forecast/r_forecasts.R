# Exports the benchmark's series, cut as every method sees them, and the
# forecasts of R's forecast package (ets, auto.arima) for the held-out part.
# Usage: Rscript r_forecasts.R SERIES_LIST OUTPUT_FOLDER
suppressPackageStartupMessages(library(forecast))

args <- commandArgs(trailingOnly = TRUE)
list_file <- args[1]
out <- args[2]
dir.create(out, showWarnings = FALSE, recursive = TRUE)

# The M4 competition's horizons.
horizon <- c(yearly = 6, quarterly = 8, monthly = 18, other = 10)
# A data file holds at most 1000 rows.
max_values <- 1000

chosen <- read.csv(list_file, stringsAsFactors = FALSE)
series_rows <- list()
forecast_rows <- list()
failure_rows <- list()

r_methods <- list(
  ets = function(train, h) forecast(ets(train), h = h, level = 95),
  auto.arima = function(train, h) forecast(auto.arima(train), h = h, level = 95)
)

for (i in seq_len(nrow(chosen))) {
  entry <- chosen[i, ]
  x <- get(entry$series, envir = asNamespace(entry$package))
  values <- as.numeric(x)
  if (length(values) > max_values) values <- tail(values, max_values)
  h <- horizon[[entry$kind]]
  period <- frequency(x)
  n <- length(values)
  series_rows[[i]] <- data.frame(name = entry$name, kind = entry$kind, h = h, period = period,
                                 index = seq_len(n), value = values,
                                 t95 = qt(0.975, n - h - 2))
  train <- ts(values[seq_len(n - h)], frequency = period)
  for (method in names(r_methods)) {
    started <- proc.time()[["elapsed"]]
    result <- tryCatch(r_methods[[method]](train, h), error = function(e) conditionMessage(e))
    seconds <- proc.time()[["elapsed"]] - started
    if (is.character(result)) {
      failure_rows[[length(failure_rows) + 1]] <- data.frame(method = method, name = entry$name,
                                                             message = result)
      next
    }
    forecast_rows[[length(forecast_rows) + 1]] <- data.frame(
      method = method, name = entry$name, step = seq_len(h), mean = as.numeric(result$mean),
      lower = as.numeric(result$lower[, 1]), upper = as.numeric(result$upper[, 1]),
      model = result$method, seconds = seconds)
  }
}

write_all <- function(rows, file, columns) {
  table <- if (length(rows)) do.call(rbind, rows) else
    as.data.frame(setNames(replicate(length(columns), character(0), simplify = FALSE), columns))
  write.csv(table, file.path(out, file), row.names = FALSE)
}
write_all(series_rows, "series.csv", character(0))
write_all(forecast_rows, "r_forecasts.csv", character(0))
write_all(failure_rows, "r_failures.csv", c("method", "name", "message"))
