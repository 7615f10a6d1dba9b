# Exports the benchmark's series, cut as every method sees them, and the
# forecasts of R's forecast package for the held-out part: ets, auto.arima,
# thetaf, the naive forecast (seasonal naive where the series has a season),
# and the mean of ets, auto.arima and theta (the M4 competition's benchmark
# combination: the mean of their forecasts and of their bounds).
# Usage: Rscript r_forecasts.R SERIES_LIST OUTPUT_FOLDER
suppressPackageStartupMessages(library(forecast))

args <- commandArgs(trailingOnly = TRUE)
list_file <- args[1]
out <- args[2]
dir.create(out, showWarnings = FALSE, recursive = TRUE)

# The M4 competition's horizons ("other" as the M4 scores its weekly and hourly
# series would not fit one number: 10).
horizon <- c(yearly = 6, quarterly = 8, monthly = 18, daily = 14, other = 10)
# A data file holds at most 1000 rows.
max_values <- 1000
# statsmodels' datasets as Debian's python3-statsmodels installs them.
statsmodels <- "/usr/lib/python3/dist-packages/statsmodels/datasets"

# The values of one entry of the list, oldest first, without the missing values
# before its first and after its last observation.
series_values <- function(entry) {
  if (entry$package == "statsmodels") {
    table <- read.csv(file.path(statsmodels, entry$series), check.names = FALSE,
                      fileEncoding = "UTF-8-BOM")
    if (entry$column == "JAN..DEC") return(as.numeric(t(as.matrix(table[, -1]))))
    return(as.numeric(table[[entry$column]]))
  }
  found <- new.env()
  x <- tryCatch(get(entry$series, envir = asNamespace(entry$package)), error = function(e) {
    data(list = entry$series, package = entry$package, envir = found)
    get(entry$series, envir = found)
  })
  if (nzchar(entry$column)) x <- x[, entry$column]
  as.numeric(x)
}

chosen <- read.csv(list_file, stringsAsFactors = FALSE, colClasses = "character")
series_rows <- list()
forecast_rows <- list()
failure_rows <- list()

mean_of <- function(forecasts) {
  field <- function(f) Reduce(`+`, lapply(forecasts, f)) / length(forecasts)
  list(mean = field(function(f) as.numeric(f$mean)),
       lower = field(function(f) as.numeric(f$lower[, 1])),
       upper = field(function(f) as.numeric(f$upper[, 1])),
       method = "mean of ets, auto.arima, theta")
}

r_methods <- list(
  ets = function(train, h) forecast(ets(train), h = h, level = 95),
  auto.arima = function(train, h) forecast(auto.arima(train), h = h, level = 95),
  thetaf = function(train, h) thetaf(train, h = h, level = 95),
  naive = function(train, h)
    if (frequency(train) > 1) snaive(train, h = h, level = 95) else naive(train, h = h, level = 95)
)

for (i in seq_len(nrow(chosen))) {
  entry <- chosen[i, ]
  values <- series_values(entry)
  observed <- which(!is.na(values))
  values <- values[min(observed):max(observed)]
  if (anyNA(values)) stop(entry$name, ": a value is missing inside the series")
  if (length(values) > max_values) values <- tail(values, max_values)
  h <- horizon[[entry$kind]]
  period <- as.integer(entry$period)
  n <- length(values)
  series_rows[[i]] <- data.frame(name = entry$name, kind = entry$kind, h = h, period = period,
                                 index = seq_len(n), value = values,
                                 t95 = qt(0.975, n - h - 2))
  train <- ts(values[seq_len(n - h)], frequency = period)
  done <- list()
  for (method in names(r_methods)) {
    started <- proc.time()[["elapsed"]]
    result <- tryCatch(suppressWarnings(r_methods[[method]](train, h)),
                       error = function(e) conditionMessage(e))
    seconds <- proc.time()[["elapsed"]] - started
    if (is.character(result)) {
      failure_rows[[length(failure_rows) + 1]] <- data.frame(method = method, name = entry$name,
                                                             message = result)
      next
    }
    done[[method]] <- result
    forecast_rows[[length(forecast_rows) + 1]] <- data.frame(
      method = method, name = entry$name, step = seq_len(h), mean = as.numeric(result$mean),
      lower = as.numeric(result$lower[, 1]), upper = as.numeric(result$upper[, 1]),
      model = result$method, seconds = seconds)
  }
  combined <- c("ets", "auto.arima", "thetaf")
  if (all(combined %in% names(done))) {
    result <- mean_of(done[combined])
    forecast_rows[[length(forecast_rows) + 1]] <- data.frame(
      method = "comb", name = entry$name, step = seq_len(h), mean = result$mean,
      lower = result$lower, upper = result$upper, model = result$method, seconds = 0)
  } else {
    failure_rows[[length(failure_rows) + 1]] <- data.frame(
      method = "comb", name = entry$name, message = "a method of the combination failed")
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
